#pragma once

#include <QValidator>

// Holds an edit's text to a number of code-page-932 bytes. What would go
// beyond the limit is dropped from the text just typed or pasted, never
// half a double-byte character.
class Cp932ByteValidator : public QValidator
{
    Q_OBJECT
public:
    explicit Cp932ByteValidator(int maxBytes, QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;

private:
    int m_maxBytes;
};
