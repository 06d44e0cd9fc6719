#pragma once
// The addresses and the document the program hands to the desktop.
#include <string>

// The user manual: "velmora.html" beside the program (build tree), else in
// the installed data folder; the bare name, resolved against the working
// folder, when neither holds it.
std::string ManualFileName();
std::string ManualPath();

// The vendor's web site, VendorUrl() + "/", and its address as a caption,
// without the scheme ("www.tarnwick.example").
std::string VendorSiteUrl();
std::string VendorSiteCaption();
// "mailto:" + the support address.
std::string SupportMailLink();
// The feedback mail: SupportMailLink() + "?subject=" + the product title +
// " Feedback", the subject left as it reads (not percent-encoded).
std::string FeedbackMailLink();
// The page the uninstall feedback offers.
std::string UninstallPageUrl();
