#pragma once
// A day at the office as keys: amounts of one to seven digits, some with cents, added and
// subtracted, now and then multiplied, a total every twenty lines or so.

#include <QRandomGenerator>
#include <QString>

inline QString officeKeys(int count, quint32 seed = 42) {
    QRandomGenerator rng(seed);
    QString keys;
    keys.reserve(count + 16);
    int lines = 0;
    while (keys.size() < count) {
        const int digits = 1 + int(rng.bounded(7));
        for (int i = 0; i < digits; ++i)
            keys += QChar(u'0' + (i == 0 ? 1 + rng.bounded(9) : rng.bounded(10)));
        if (rng.bounded(3) == 0) keys += QStringLiteral(",%1").arg(rng.bounded(100), 2, 10, QLatin1Char('0'));
        const quint32 r = rng.bounded(20);
        keys += r < 14 ? u'+' : r < 18 ? u'-' : r < 19 ? u'*' : u'/';
        if (++lines % 20 == 0) keys += u'=';
    }
    keys.truncate(count);
    return keys;
}
