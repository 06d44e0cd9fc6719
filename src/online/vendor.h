#pragma once
// The vendor's addresses. The web address is one constant; the environment
// variable TARNWICK_VENDOR_URL replaces it (tests, packagers).
#include <string>

// Without a trailing "/", for example "https://www.tarnwick.example". The
// update file is still fetched over plain HTTP on port 80.
std::string VendorUrl();
// The product page, VendorUrl() + "/velmora/".
std::string ProductPageUrl();
std::string SupportMailAddress();
