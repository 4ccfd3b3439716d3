// The class tables of the module, shared between the files that describe them.
#pragma once

#include <vector>

#include "binding.hpp"

namespace quaymark::python {

// The classes registered at positions 12 to 111, in registration order (one class twice).
std::vector<ClassSpec*> record_registrations();

}  // namespace quaymark::python
