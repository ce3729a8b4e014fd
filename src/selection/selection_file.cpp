#include "selection/selection_file.h"

#include "foundation/utf8.h"
#include "mainscreen/identity.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace rac::selection {

namespace {

std::string programVersion() {
    return std::to_string(mainscreen::kVersionMajor) + "." +
           std::to_string(mainscreen::kVersionMinor);
}

// Where the first byte that is not part of a UTF-8 character is, counted from 1.
std::string utf8Fault(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const utf8::Decoded decoded = utf8::decodeAt(text, at);
        if (!decoded.valid) {
            return "it is not UTF-8 text (byte " + std::to_string(at + 1) + " is no character)";
        }
        at += decoded.length;
    }
    return {};
}

void requireFormat(const ObjectReader& file) {
    if (!file.has("format")) {
        throw InputError("it has no \"format\": it is not a selection file");
    }
    const Json& format = file.at("format");
    if (!format.is_number_integer()) {
        throw InputError("\"format\" must be a whole number, not " +
                         (format.is_number() ? format.dump() : kindOf(format)));
    }
    if (format.get<std::int64_t>() != kSelectionFormat) {
        std::string savedBy;
        if (const auto program = file.optionalText("program")) {
            savedBy = " (saved by version " + printable(*program, 40) + ")";
        }
        throw InputError("it is in selection file format " + format.dump() + savedBy +
                         "; this version " + programVersion() + " reads format " +
                         std::to_string(kSelectionFormat));
    }
}

std::string readFault() {
    return "it cannot be read: " + std::string(std::strerror(errno));
}

} // namespace

SelectionFileError::SelectionFileError(const std::string& path, const std::string& fault)
    : std::runtime_error(inQuotes(path) + ": " + fault), fault_(fault) {}

CalculateRequest readSelectionText(std::string_view text) {
    if (std::string fault = utf8Fault(text); !fault.empty()) {
        throw InputError(fault);
    }
    Json value;
    try {
        value = parseJson(text);
    } catch (const JsonSyntaxError& syntax) {
        throw InputError("line " + std::to_string(syntax.line()) + ": " + syntax.what());
    }
    const ObjectReader file(value, "a selection file");
    requireFormat(file);
    file.optionalText("program"); // refuses a program that is not a text
    Json request = value;
    request.erase("format");
    request.erase("program");
    if (request.contains("costing") && request["costing"].is_object() &&
        request["costing"].contains("password")) {
        throw InputError("a selection file never holds the Additional Information password");
    }
    return readCalculateRequest(request);
}

CalculateRequest readSelectionFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw SelectionFileError(path, "it is a folder");
    }
    // A special file (a pipe, a device) has no size to check; it is read no further than a
    // selection file can go.
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestSelectionFile) {
        throw SelectionFileError(path, "it is " + std::to_string(size) +
                                           " bytes, too large for a selection file (at most " +
                                           std::to_string(kLargestSelectionFile) + ")");
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw SelectionFileError(path, readFault());
    }
    std::string text(kLargestSelectionFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        throw SelectionFileError(path, readFault());
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kLargestSelectionFile) {
        throw SelectionFileError(path, "it is larger than a selection file can be (at most " +
                                           std::to_string(kLargestSelectionFile) + " bytes)");
    }
    try {
        return readSelectionText(text);
    } catch (const InputError& fault) {
        throw SelectionFileError(path, fault.what());
    }
}

std::string selectionText(const CalculateRequest& selection) {
    OrderedJson file{{"format", kSelectionFormat},
                     {"program", programVersion()},
                     {"mode", modeName(selection.mode)}};
    if (selection.mode == Mode::Selection) {
        file["target"] = targetName(selection.target);
    }
    const auto entries = [](const auto& fields) {
        OrderedJson object = OrderedJson::object();
        for (const auto& [name, text] : fields) {
            object[name] = text;
        }
        return object;
    };
    file["fields"] = entries(selection.fields);
    if (selection.costing) {
        file["costing"] = OrderedJson{{"fields", entries(selection.costing->fields)}};
    }
    return jsonText(file, 2) + "\n";
}

WriteResult writeSelectionFile(const std::string& path, const CalculateRequest& selection) {
    return writeWholeFile(path, selectionText(selection));
}

} // namespace rac::selection
