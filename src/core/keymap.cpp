#include "core/keymap.h"

namespace KeyMap {

Action keyDown(int key, Qt::KeyboardModifiers modifiers, QStringView text, bool enterAdds) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_A: return {Op::MemoryAdd, 0, QStringLiteral("Mmais")};
        case Qt::Key_D: return {Op::MemorySubtract, 0, QStringLiteral("Mmenos")};
        case Qt::Key_R: return {Op::MemoryRecall, 0, QStringLiteral("MR")};
        case Qt::Key_C: return {Op::MemoryClear, 0, QStringLiteral("MC")};
        case Qt::Key_P: return {Op::Sign, 0, QStringLiteral("chkNeg")};
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_Delete:
        if (mods & (Qt::ControlModifier | Qt::AltModifier)) return {};
        return {Op::ClearEntry, 0, QStringLiteral("chkCE")};
    case Qt::Key_NumLock: return enterAdds ? Action{Op::Total, '=', QStringLiteral("chkIgual")} : Action{};
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return {Op::Scroll, key, {}};
    default: break;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (key) {
    case Qt::Key_Backspace: return {Op::Character, 8, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {Op::Character, 13, {}};
    case Qt::Key_Escape: return {Op::Character, 27, {}};
    default: break;
    }
    if (!text.isEmpty() && text.at(0).isPrint()) return {Op::Character, text.at(0).unicode(), {}};
    return {};
}

QList<GlobalHotkeys::Hotkey> calculatorHotkeys() {
    using M = GlobalHotkeys::Modifier;
    const GlobalHotkeys::Modifiers ctrl = M::Control;
    const GlobalHotkeys::Modifiers ctrlAlt = GlobalHotkeys::Modifiers(M::Control) | M::Alt;
    QList<GlobalHotkeys::Hotkey> keys;
    for (int d = 0; d <= 9; ++d) keys.append({HotkeyDigit0 + d, keysym::keypadDigit(d), ctrl});
    keys.append({HotkeyAdd, keysym::KP_Add, ctrl});
    keys.append({HotkeySubtract, keysym::KP_Subtract, ctrl});
    keys.append({HotkeyMultiply, keysym::KP_Multiply, ctrl});
    keys.append({HotkeyDivide, keysym::KP_Divide, ctrl});
    keys.append({HotkeySeparator, keysym::KP_Decimal, ctrl});
    keys.append({HotkeyClearEntry, keysym::Delete, ctrl});
    keys.append({HotkeyBack, keysym::BackSpace, ctrl});
    keys.append({HotkeyEquals, keysym::Return, ctrl});
    keys.append({HotkeyEquals, keysym::KP_Enter, ctrl});
    keys.append({HotkeySign, keysym::Return, ctrlAlt});
    keys.append({HotkeySign, keysym::KP_Enter, ctrlAlt});
    keys.append({HotkeyTakeSelection, keysym::Insert, ctrl});
    keys.append({HotkeyMinimize, keysym::Space, ctrl});
    return keys;
}

QString hotkeyButton(int id, bool enterAdds) {
    if (id >= HotkeyDigit0 && id <= HotkeyDigit0 + 9) return QStringLiteral("chkNum(%1)").arg(id - HotkeyDigit0);
    switch (id) {
    case HotkeyAdd: return QStringLiteral("chkMais");
    case HotkeySubtract: return QStringLiteral("chkMenos");
    case HotkeyMultiply: return QStringLiteral("chkVezes");
    case HotkeyDivide: return QStringLiteral("chkDividir");
    case HotkeySeparator: return QStringLiteral("chkVirgula");
    case HotkeyClearEntry: return QStringLiteral("chkCE");
    case HotkeyBack: return QStringLiteral("chkBack");
    case HotkeyEquals: return enterAdds ? QStringLiteral("chkMais") : QStringLiteral("chkIgual");
    case HotkeySign: return enterAdds ? QStringLiteral("chkIgual") : QStringLiteral("chkNeg");
    case HotkeyTakeSelection: return QStringLiteral("chkPercent");
    case HotkeyMinimize: return QStringLiteral("MC");
    default: return {};
    }
}

} // namespace KeyMap
