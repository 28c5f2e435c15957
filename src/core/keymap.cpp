#include "core/keymap.h"

namespace KeyMap {

Action keyDown(int key, Qt::KeyboardModifiers modifiers, QStringView text, bool enterAdds) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_A:
            return {Op::MemoryAdd, 0, Button::MemoryAdd};
        case Qt::Key_D:
            return {Op::MemorySubtract, 0, Button::MemorySubtract};
        case Qt::Key_R:
            return {Op::MemoryRecall, 0, Button::MemoryRecall};
        case Qt::Key_C:
            return {Op::MemoryClear, 0, Button::MemoryClear};
        case Qt::Key_P:
            return {Op::Sign, 0, Button::Sign};
        default:
            break;
        }
    }
    switch (key) {
    case Qt::Key_Delete:
        if (mods & (Qt::ControlModifier | Qt::AltModifier)) return {};
        return {Op::ClearEntry, 0, Button::ClearEntry};
    case Qt::Key_NumLock:
        return enterAdds ? Action{Op::Total, '=', Button::Equals} : Action{};
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return {Op::Scroll, key, std::nullopt};
    default:
        break;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (key) {
    case Qt::Key_Backspace:
        return {Op::Character, 8, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {Op::Character, 13, {}};
    case Qt::Key_Escape:
        return {Op::Character, 27, {}};
    default:
        break;
    }
    if (!text.isEmpty() && text.at(0).isPrint()) return {Op::Character, text.at(0).unicode(), {}};
    return {};
}

} // namespace KeyMap
