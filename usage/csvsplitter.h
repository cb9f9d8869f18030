// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>

namespace usage {

// Splits CSV text into records as it arrives, piece by piece: fields split at commas, RFC 4180
// quoting (a quoted field may hold commas, doubled quotes and line breaks), lines ended by CRLF,
// LF or CR. A record is kept up to kMaxRecordChars; what a longer one holds past that is dropped
// and the record marked, so no input can grow one without bound.
class CsvSplitter
{
public:
    struct Record
    {
        QStringList fields;
        std::int64_t line = 0; // where it starts, from 1
        bool cut = false; // longer than kMaxRecordChars
    };
    using Sink = std::function<void(Record&&)>;
    static constexpr qsizetype kMaxRecordChars = 64 * 1024;

    // Takes the next piece of the text; `done` gets each record the piece completes.
    void feed(QStringView text, const Sink& done);
    // The text has ended: `done` gets a last record that had no line end.
    void finish(const Sink& done);

private:
    void append(QChar c);
    void endRecord(const Sink& done);

    Record m_record { {}, 1, false };
    QString m_field;
    qsizetype m_size = 0;
    std::int64_t m_line = 1;
    bool m_quoted = false;
    bool m_quoteInQuoted = false; // a quote inside a quoted field: its end, or half of ""
    bool m_any = false; // the record has begun
    bool m_afterCr = false;
};

} // namespace usage
