#pragma once
// What the address book's reader, a child process (address_book_child.h), and the
// program tell each other. Every text goes as a netstring ("5:Rossi,"), so any byte may
// be in it, and every number as the text of its digits; an answer must be whole to be
// taken.
#include <optional>
#include <string_view>
#include <vector>

#include "framework/address_book.h"

namespace fw::internal {

String EncodeBook(const AddressBook& book);
// The book an answer describes; an unavailable book when it is cut short or is no answer.
AddressBook DecodeBook(std::string_view answer);

String EncodeTexts(const std::vector<String>& texts);
// Nothing unless `encoded` is a whole list of texts.
std::optional<std::vector<String>> DecodeTexts(std::string_view encoded);

}  // namespace fw::internal
