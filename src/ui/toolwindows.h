#pragma once
// The side tools' windows: for each command that opens one, how to make it. The calculator window
// opens them when the controller asks, one of each at a time, above it.

#include "shell/commandtable.h"

class CalculatorController;
class QWidget;

// A new window for the command, owned by `parent`; nullptr for a command without one.
QWidget* createToolWindow(CommandId id, CalculatorController& controller, QWidget* parent);
