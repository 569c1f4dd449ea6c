// The answer record the journal stores is the practice library's: one record, one row. Only
// answer_columns.cpp knows how the fields become columns.
#pragma once

#include "practice/answer_record.h"

namespace lintra::journal {

using practice::AnswerRecord;
using practice::AnswerSource;
using practice::ClefRange;
using practice::Exercise;
using practice::MistakeKind;
using practice::ScaleKind;
using practice::Staff;

}  // namespace lintra::journal
