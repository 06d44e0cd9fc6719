#pragma once
// Whether fontconfig can give a face: the family itself, or a configured
// substitute of it (so "Arial" resolves to Liberation Sans). A name that is
// answered only by the generic fallback every unknown name gets is refused.
#include <string>

bool FontFaceAvailable(const std::string& family);
