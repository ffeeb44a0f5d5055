#include "host/services/loaded_functions_win.h"

#include "host/services/system_library_win.h"

namespace host {
namespace {

template <class Pointer>
Pointer resolve(const wchar_t* dll, const char* name) {
  const HMODULE module = load_system_library(dll);
  return module ? function_of<Pointer>(module, name) : nullptr;
}

LoadedFunctions load_all() {
  LoadedFunctions functions;
#define VERBROOK_RESOLVE(dll, name) functions.name = resolve<decltype(functions.name)>(dll, #name);
  VERBROOK_LOADED_FUNCTIONS(VERBROOK_RESOLVE)
#undef VERBROOK_RESOLVE
  return functions;
}

}  // namespace

const LoadedFunctions& loaded_functions() {
  static const LoadedFunctions functions = load_all();
  return functions;
}

}  // namespace host
