#include "common/name_table.h"

namespace vx4820cal::calparams {

const std::string* NameTable::Intern(std::string_view text) {
  Entry* found = last_ && last_->next && last_->next->text == text ? last_->next : index_.Find(text);
  if (!found) {
    found = &texts_.emplace_back(Entry{std::string(text)});
    index_.Insert(found);
  }
  if (last_) last_->next = found;
  last_ = found;
  return &found->text;
}

}  // namespace vx4820cal::calparams
