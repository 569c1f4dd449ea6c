// How an answer record becomes a row and back: the one place that knows both the record's fields
// and the columns.
#pragma once

#include <cstdint>

#include "journal/answer.h"

namespace lintra::journal {

class Statement;

// Inserts one answer; parameters ?1 to ?18 in the order BindAnswer fills them.
extern const char* const kInsertAnswerSql;
// Reads whole answers back with their texts, and then the session's number in the journal (column
// 17); append " WHERE ..." on `a` (answers). The place in a line is left out, so that a reader of
// its own still reads a file a version 2 program wrote.
extern const char* const kSelectAnswerSql;

// The session and the two texts are passed as the row numbers the journal gave them.
void BindAnswer(Statement& insert, const AnswerRecord& record, std::int64_t session, std::int64_t keyName,
                std::int64_t answerName);
AnswerRecord ReadAnswer(const Statement& select);

}  // namespace lintra::journal
