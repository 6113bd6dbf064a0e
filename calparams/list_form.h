#pragma once
// The matching form of a band, model or radio-option list: "H5, H6" becomes
// ",H5,H6,", so that a name is found by looking for "," + name + ",".
#include <string>
#include <string_view>
#include <vector>

namespace vx4820cal::calparams {

// "," followed by each comma-separated piece, trimmed of spaces, with a "," after
// it; the empty text gives ",". Case, duplicates and empty pieces stay.
std::string ListForm(std::string_view list_text);

// What to look for in an upper-cased list form to find name: UCase("," + name + ",").
std::string ListNeedle(std::string_view name);

// True when the upper-cased list form holds the entry "DEFAULT" (any case).
bool IsDefaultList(std::string_view upper_list_form);

// The pieces of a list form, in order (",A,,B," gives A, "", B; "," gives none).
std::vector<std::string_view> ListEntries(std::string_view list_form);

}  // namespace vx4820cal::calparams
