#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::platform {

struct HelpRequest {
    std::string file;           // as the caller names it, relative to the program's folder
    std::optional<int> context; // none: the contents page

    friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

inline HelpRequest helpContents(std::string file) {
    return {std::move(file), std::nullopt};
}

inline HelpRequest helpAtContext(std::string file, int context) {
    return {std::move(file), context};
}

// Shows the help; a missing help file is the viewer's to report.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void show(const HelpRequest& request) = 0;
};

class RecordingHelpViewer final : public HelpViewer {
  public:
    void show(const HelpRequest& request) override { requests_.push_back(request); }
    const std::vector<HelpRequest>& requests() const { return requests_; }

  private:
    std::vector<HelpRequest> requests_;
};

} // namespace rac::platform
