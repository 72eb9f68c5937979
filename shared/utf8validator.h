#pragma once

#include <QtGlobal>

// Incremental strict UTF-8 check that never allocates: rejects overlong
// forms, surrogates and code points above U+10FFFF.
class Utf8Validator
{
public:
    void feed(const char *data, qint64 size)
    {
        for (qint64 i = 0; i < size && m_valid; ++i)
            step(static_cast<unsigned char>(data[i]));
    }
    bool valid() const { return m_valid && m_pending == 0; }

private:
    void step(unsigned char b)
    {
        if (m_pending == 0) {
            if (b < 0x80)
                return;
            if (b >= 0xC2 && b <= 0xDF) {
                m_pending = 1;
                m_low = 0x80, m_high = 0xBF;
            } else if (b >= 0xE0 && b <= 0xEF) {
                m_pending = 2;
                m_low = b == 0xE0 ? 0xA0 : 0x80;
                m_high = b == 0xED ? 0x9F : 0xBF;
            } else if (b >= 0xF0 && b <= 0xF4) {
                m_pending = 3;
                m_low = b == 0xF0 ? 0x90 : 0x80;
                m_high = b == 0xF4 ? 0x8F : 0xBF;
            } else {
                m_valid = false;
            }
            return;
        }
        if (b < m_low || b > m_high) {
            m_valid = false;
            return;
        }
        m_low = 0x80, m_high = 0xBF;
        --m_pending;
    }

    bool m_valid = true;
    int m_pending = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};
