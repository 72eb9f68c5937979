#pragma once

#include <QtGlobal>

// The stored "Sh" value: the tens digit is the order in which quotes are
// taken (1 in file order, 2 at random), the units digit the output. Only
// the ten values 10..14 and 20..24 mean something; any other value is
// kept as it is and shows in order, in a message box.
class ShowCode
{
public:
    enum class Order { InFileOrder = 1, Random = 2 };
    enum class Output { TitleCard = 0, MessageBox = 1, Dastor = 2, Mirwin = 3, Notification = 4 };

    constexpr ShowCode() = default;
    constexpr explicit ShowCode(quint8 value) : m_value(value) {}
    constexpr ShowCode(Order order, Output output)
        : m_value(static_cast<quint8>(int(order) * 10 + int(output)))
    {
    }

    constexpr quint8 value() const { return m_value; }
    constexpr bool isKnown() const
    {
        return (m_value >= 10 && m_value <= 14) || (m_value >= 20 && m_value <= 24);
    }
    constexpr Order order() const { return isKnown() && m_value >= 20 ? Order::Random : Order::InFileOrder; }
    constexpr Output output() const
    {
        return isKnown() ? static_cast<Output>(m_value % 10) : Output::MessageBox;
    }
    constexpr bool isRandom() const { return order() == Order::Random; }
    constexpr bool shows(Output kind) const { return output() == kind; }

    constexpr bool operator==(ShowCode other) const { return m_value == other.m_value; }
    constexpr bool operator!=(ShowCode other) const { return m_value != other.m_value; }

private:
    quint8 m_value = 20;
};
