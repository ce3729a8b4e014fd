#pragma once

#include "program/application.h"
#include "selection/program.h"

namespace rac::selection {

// A running application seen through its forms, as the selection code drives it.
class ApplicationView final : public Program {
  public:
    explicit ApplicationView(program::Application& application) : application_(application) {}
    platform::Form* form(std::string_view name) override { return application_.form(name); }

  private:
    program::Application& application_;
};

} // namespace rac::selection
