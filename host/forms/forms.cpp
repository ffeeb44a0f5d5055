#include "host/forms/forms.h"

#include <array>

namespace host {

std::span<const FormDefinition* const> program_forms() {
  static const std::array<const FormDefinition*, 2> forms{&main_form(), &startup_form()};
  return forms;
}

const FormDefinition* find_form(std::span<const FormDefinition* const> forms, FormId id) {
  for (const FormDefinition* form : forms)
    if (form->id == id) return form;
  return nullptr;
}

}  // namespace host
