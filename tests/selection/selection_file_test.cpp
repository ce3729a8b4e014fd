// Selection files as files: what a saved one holds, and a clear fault for each file that is not
// one.
#include "selection/selection_file.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

namespace rac::selection {
namespace {

using test::contentsOf;
namespace fs = std::filesystem;

CalculateRequest costedRating() {
    CalculateRequest selection;
    selection.mode = Mode::Rating;
    selection.fields = {{"txtNumberRowsSupply", "6"}, {"cmbGlycolSelect", "PGS"}};
    selection.costing = CostingRequest{"secret", {{"cmbCountry", "Kuwait"}}};
    return selection;
}

TEST(SelectionText, HoldsFormatProgramAndEntriesButNeverThePassword) {
    EXPECT_EQ(selectionText(costedRating()), R"({
  "format": 1,
  "program": "1.1",
  "mode": "Rating",
  "fields": {
    "txtNumberRowsSupply": "6",
    "cmbGlycolSelect": "PGS"
  },
  "costing": {
    "fields": {
      "cmbCountry": "Kuwait"
    }
  }
}
)");
    CalculateRequest duty;
    duty.target = Target::Duty;
    EXPECT_EQ(selectionText(duty),
              "{\n  \"format\": 1,\n  \"program\": \"1.1\",\n  \"mode\": "
              "\"Selection\",\n  \"target\": \"Duty\",\n  \"fields\": {}\n}\n");
}

TEST(SelectionText, EachBadTextSaysWhatIsWrong) {
    struct Case {
        const char *name, *text, *fault;
    };
    const Case cases[] = {
        {"not JSON", "{\"format\": 1,\n\"mode\" \"Rating\"}",
         "line 2: malformed JSON: syntax error while parsing object separator - unexpected string "
         "literal; expected ':'"},
        {"not UTF-8", "{\"format\": 1, \"fields\": {\"txtGlycol\": \"2\xC0\"}}",
         "it is not UTF-8 text (byte 41 is no character)"},
        {"no format", R"({"mode": "Rating"})", "it has no \"format\": it is not a selection file"},
        {"a later format", R"({"format": 2, "program": "3.0"})",
         "it is in selection file format 2 (saved by version 3.0); this version 1.1 reads format "
         "1"},
        {"format as text", R"({"format": "1"})", "\"format\" must be a whole number, not a text"},
        {"program as number", R"({"format": 1, "program": 1.1})",
         "\"program\" must be a text in quotes, not a number"},
        {"not an object", "[1]", "a selection file must be a JSON object, not an array"},
        {"unknown key", R"({"format": 1, "colour": "red"})",
         R"(unknown key "colour" in the request (it takes "mode", "target", "fields", "costing"))"},
        {"fields of the wrong type", R"({"format": 1, "fields": ["txtGlycol"]})",
         "\"fields\" must be a JSON object, not an array"},
        {"a password", R"({"format": 1, "costing": {"password": "x"}})",
         "a selection file never holds the Additional Information password"},
    };
    for (const Case& c : cases) {
        try {
            readSelectionText(c.text);
            ADD_FAILURE() << c.name << ": read";
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.fault) << c.name;
        }
    }
}

class SelectionFile : public test::TemporaryFolder {
  protected:
    std::string faultOf(const std::string& path) {
        try {
            readSelectionFile(path);
        } catch (const SelectionFileError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with("\"" + path + "\": "))
                << error.what();
            return error.fault();
        }
        return "read";
    }
};

TEST_F(SelectionFile, SavesAtomicallyAndReadsBack) {
    const std::string path = (folder / "pair.rac").string();
    ASSERT_TRUE(writeSelectionFile(path, costedRating()));
    EXPECT_EQ(contentsOf(path), selectionText(costedRating()));
    // What is read back is checked on the screens: see round_trip_test.cpp.
    EXPECT_EQ(readSelectionFile(path).fields, costedRating().fields);
    // A failed save says why and leaves nothing behind.
    const WriteResult failed =
        writeSelectionFile((folder / "missing" / "pair.rac").string(), costedRating());
    EXPECT_EQ(failed.failure, "No such file or directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(SelectionFile, RefusesFilesThatAreNoSelection) {
    EXPECT_EQ(faultOf((folder / "none.rac").string()),
              "it cannot be read: No such file or directory");
    EXPECT_EQ(faultOf(folder.string()), "it is a folder");
    const fs::path bad = folder / "bad.rac";
    std::ofstream(bad) << "{\"format\": 7}";
    EXPECT_EQ(faultOf(bad.string()),
              "it is in selection file format 7; this version 1.1 reads format 1");
}

// A file of 100 MB is refused by its size: nothing of it is read, so the refusal costs nothing
// however large it is. The file is sparse and takes no disk space.
TEST_F(SelectionFile, RefusesAHugeFileByItsSize) {
    const fs::path huge = folder / "huge.rac";
    std::ofstream(huge) << "{";
    fs::resize_file(huge, 100 * 1024 * 1024);
    EXPECT_EQ(faultOf(huge.string()),
              "it is 104857600 bytes, too large for a selection file (at most 1048576)");
}

} // namespace
} // namespace rac::selection
