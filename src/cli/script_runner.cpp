#include "cli/script_runner.h"

#include "cli/json_output.h"
#include "cli/selection_terms.h"
#include "platform/user_actions.h"

namespace rac::cli {

namespace {

using platform::Form;
namespace user = platform::user;

// The name of the toolbar button at a position, for saying why a press was refused.
std::string toolbarButtonName(const Form& form, int position) {
    for (const platform::Control* control : form.controls()) {
        if (control->kind() == platform::ControlKind::ToolbarButton &&
            control->index() == position) {
            return control->name();
        }
    }
    throw InputError(form.name() + " has no toolbar button at position " +
                     std::to_string(position));
}

void close(Form& form) {
    if (!user::close(form)) {
        const std::string why = whyUnreachable(form);
        throw InputError("cannot close " + form.name() + ": " +
                         (why.empty() ? "it refused to close" : why));
    }
}

void leave(Form& form, const std::string& control) {
    if (!user::leave(form, control)) {
        const std::string why = whyUnreachable(form);
        throw InputError("cannot leave " + form.name() + "." + control + ": " +
                         (why.empty() ? "it does not have the focus" : why));
    }
}

void perform(const Action& action, Program& program, platform::RecordingServices& services,
             Step& step) {
    if (action.verb == Verb::Answer) {
        services.answers.enqueue(action.answer);
        return;
    }
    if (action.verb == Verb::Dump) {
        step.dump.emplace();
        for (const std::string& name : action.forms) {
            step.dump->push_back(platform::dumpForm(formOf(program, name)));
        }
        return;
    }
    Form& form = formOf(program, action.form);
    const std::string& control = action.control;
    switch (action.verb) {
    case Verb::Set:
        requireDone(user::set(form, control, action.text), form, control, "type into");
        break;
    case Verb::Type:
        requireDone(user::type(form, control, action.text), form, control, "type into");
        break;
    case Verb::Pick:
        requireDone(action.index ? user::pickIndex(form, control, *action.index)
                                 : user::pick(form, control, action.text),
                    form, control, "pick from");
        break;
    case Verb::Click:
        requireDone(user::click(form, control), form, control, "click");
        break;
    case Verb::Toolbar:
        if (!user::pressToolbarButton(form, action.number)) {
            requireDone(false, form, toolbarButtonName(form, action.number), "press");
        }
        break;
    case Verb::Focus:
        requireDone(user::focus(form, control), form, control, "give the focus to");
        break;
    case Verb::Leave:
        leave(form, control);
        break;
    case Verb::Tick:
        user::tick(form, control, action.number); // a timer that stops early is not a fault
        break;
    case Verb::Select:
        requireDone(user::select(form, control, action.selection), form, control, "select in");
        break;
    case Verb::Close:
        close(form);
        break;
    case Verb::Answer:
    case Verb::Dump:
        break;
    }
}

} // namespace

Transcript runScript(const Script& script, const Launcher& launch) {
    platform::RecordingServices services;
    for (const auto& [key, text] : script.settings) {
        services.settings.seed(key, text);
    }
    Transcript transcript;
    std::unique_ptr<Program> program;
    try {
        program = launch(services.services());
    } catch (const std::exception& error) {
        transcript.error = "start-up: " + printable(error.what());
    }
    for (std::size_t i = 0; i < script.actions.size() && transcript.error.empty(); ++i) {
        const std::size_t shownBefore = services.messages.shown().size();
        Step step;
        try {
            perform(script.actions[i], *program, services, step);
        } catch (const std::exception& error) { // input, screen and program faults alike
            transcript.error = "step " + std::to_string(i + 1) + ": " + printable(error.what());
        }
        const auto& shown = services.messages.shown();
        step.messages.assign(shown.begin() + static_cast<std::ptrdiff_t>(shownBefore), shown.end());
        transcript.steps.push_back(std::move(step));
    }
    transcript.settings = services.settings.entries();
    return transcript;
}

OrderedJson transcriptJson(const Transcript& transcript) {
    OrderedJson steps = OrderedJson::array();
    for (const Step& step : transcript.steps) {
        OrderedJson entry{{"messages", messagesJson(step.messages)}};
        if (step.dump) {
            OrderedJson forms = OrderedJson::object();
            for (const auto& form : *step.dump) {
                forms[form.name] = formDumpJson(form);
            }
            entry["dump"] = std::move(forms);
        }
        steps.push_back(std::move(entry));
    }
    OrderedJson settings = OrderedJson::object();
    for (const auto& [key, text] : transcript.settings) {
        settings[key] = text;
    }
    OrderedJson written{{"steps", std::move(steps)}, {"settings", std::move(settings)}};
    if (!transcript.error.empty()) {
        written["error"] = transcript.error;
    }
    return written;
}

} // namespace rac::cli
