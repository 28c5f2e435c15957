#include "core/operators.h"

QString operatorText(Operator op) {
    switch (op) {
    case Operator::Add:
        return QStringLiteral("+");
    case Operator::Subtract:
        return QStringLiteral("-");
    case Operator::Multiply:
        return QStringLiteral("*");
    case Operator::Divide:
        return QStringLiteral("/");
    case Operator::Percent:
        return QStringLiteral("%");
    case Operator::None:
        break;
    }
    return {};
}

Operator operatorFromText(QStringView text) {
    if (text == u"+") return Operator::Add;
    if (text == u"-") return Operator::Subtract;
    if (text == u"*") return Operator::Multiply;
    if (text == u"/") return Operator::Divide;
    if (text == u"%") return Operator::Percent;
    return Operator::None;
}
