// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumericRules.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

template <typename T> T fit(std::int64_t v)
{
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        throw OverflowError();
    return static_cast<T>(v);
}

template <typename T> T nearestOf(double v)
{
    if (!std::isfinite(v))
        throw OverflowError();
    // The default floating-point rounding mode sends halves to the even neighbour.
    const double r = std::nearbyint(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw OverflowError();
    return static_cast<T>(r);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

std::int32_t nearest(double v)
{
    return nearestOf<std::int32_t>(v);
}

std::int16_t nearest16(double v)
{
    return nearestOf<std::int16_t>(v);
}

std::int32_t snapToGrid(double v, std::int32_t step)
{
    const std::int32_t n = nearest(v);
    return mul32(n / step, step);
}

std::int32_t add32(std::int64_t a, std::int64_t b)
{
    return fit<std::int32_t>(a + b);
}
std::int32_t sub32(std::int64_t a, std::int64_t b)
{
    return fit<std::int32_t>(a - b);
}
std::int32_t mul32(std::int64_t a, std::int64_t b)
{
    return fit<std::int32_t>(a * b);
}
std::int16_t add16(std::int32_t a, std::int32_t b)
{
    return fit<std::int16_t>(std::int64_t(a) + b);
}
std::int16_t sub16(std::int32_t a, std::int32_t b)
{
    return fit<std::int16_t>(std::int64_t(a) - b);
}
std::int16_t mul16(std::int32_t a, std::int32_t b)
{
    return fit<std::int16_t>(std::int64_t(a) * b);
}

std::int32_t mirrored(std::int32_t axis, std::int32_t v)
{
    return add32(axis, sub32(axis, v));
}

namespace {

// Only the ten ASCII digits count: other scripts' digits end the number.
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double Val(QStringView text)
{
    // Blanks may stand anywhere inside the number ("1 2" reads as 12), so
    // they are dropped first.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            s.append(c);

    qsizetype i = 0;
    auto peek = [&](qsizetype k = 0) { return i + k < s.size() ? s[i + k] : QChar(); };

    if (peek() == u'&') {
        const QChar kind = peek(1).toUpper();
        const int base = kind == u'H' ? 16 : (kind == u'O' ? 8 : 0);
        if (base == 0)
            return 0;
        i += 2;
        double v = 0;
        for (; i < s.size(); ++i) {
            const int digit = isDigit(s[i]) ? s[i].digitValue()
                              : (base == 16 && s[i].toUpper() >= u'A' && s[i].toUpper() <= u'F')
                                  ? s[i].toUpper().unicode() - u'A' + 10
                                  : -1;
            if (digit < 0 || digit >= base)
                break;
            v = v * base + digit;
        }
        if (!std::isfinite(v))
            throw OverflowError();
        return v;
    }

    QString number;
    if (peek() == u'+' || peek() == u'-')
        number.append(s[i++]);
    qsizetype digits = 0;
    while (isDigit(peek())) {
        number.append(s[i++]);
        ++digits;
    }
    if (peek() == u'.') {
        number.append(s[i++]);
        while (isDigit(peek())) {
            number.append(s[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    const QChar e = peek().toUpper();
    if (e == u'E' || e == u'D') {
        qsizetype k = 1;
        QString exponent = QStringLiteral("e");
        if (peek(k) == u'+' || peek(k) == u'-')
            exponent.append(peek(k++));
        qsizetype expDigits = 0;
        while (isDigit(peek(k))) {
            exponent.append(peek(k++));
            ++expDigits;
        }
        if (expDigits > 0)
            number.append(exponent);
    }
    const double v = number.toDouble();
    if (!std::isfinite(v))
        throw OverflowError();
    return v;
}

Colour drawingColour(double red, double green, std::int16_t blue)
{
    auto component = [](std::int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return packColour(component(nearest16(red)), component(nearest16(green)), component(blue));
}
