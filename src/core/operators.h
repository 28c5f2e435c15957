#pragma once
// The operators of the adding machine: the one pending between two numbers, and the key that was
// last pressed (the repeat rule and the four forms of percent depend on it).

#include <QString>
#include <QStringView>

enum class Operator { None, Add, Subtract, Multiply, Divide, Percent };

// The last operator key. Enter in Enter-adds mode (and ";", "ç") is its own key: it adds, but the
// repeat rule treats it apart from "+".
enum class OperatorKey { None, Add, Subtract, Multiply, Divide, Percent, EnterAdd, Equals };

// The text the state file keeps: "+", "-", "*", "/", "%" or "".
QString operatorText(Operator op);
Operator operatorFromText(QStringView text);
