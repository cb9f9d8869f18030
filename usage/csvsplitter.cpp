// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvsplitter.h"

#include <utility>

namespace usage {

void CsvSplitter::append(QChar c)
{
    if (++m_size > kMaxRecordChars)
        m_record.cut = true;
    else
        m_field += c;
}

void CsvSplitter::endRecord(const Sink& done)
{
    if (m_any || !m_field.isEmpty()) {
        m_record.fields.append(m_field);
        done(std::move(m_record));
    }
    m_record = Record { {}, m_line, false };
    m_field.clear();
    m_size = 0;
    m_any = false;
}

void CsvSplitter::feed(QStringView text, const Sink& done)
{
    for (const QChar c : text) {
        const bool lineEnd = c == u'\n' || c == u'\r';
        if (std::exchange(m_afterCr, false) && c == u'\n')
            continue; // the second half of CR LF
        if (m_quoteInQuoted) {
            m_quoteInQuoted = false;
            if (c == u'"') {
                append(c);
                continue;
            }
            m_quoted = false;
        }
        if (lineEnd) {
            ++m_line;
            m_afterCr = c == u'\r';
        }
        if (m_quoted) {
            if (c == u'"')
                m_quoteInQuoted = true;
            else
                append(lineEnd ? QChar(u'\n') : c);
            continue;
        }
        if (c == u'"') {
            m_quoted = true;
            m_any = true;
        } else if (c == u',') {
            if (++m_size > kMaxRecordChars)
                m_record.cut = true;
            else
                m_record.fields.append(m_field);
            m_field.clear();
            m_any = true;
        } else if (lineEnd) {
            endRecord(done);
        } else {
            append(c);
            m_any = true;
        }
    }
}

void CsvSplitter::finish(const Sink& done)
{
    m_quoteInQuoted = false;
    m_quoted = false;
    endRecord(done);
}

} // namespace usage
