#include "shell/commandtable.h"

#include "i18n/messagecatalog.h"
#include "shell/calculatorcontroller.h"

#include <QHash>

namespace {

using C = CalculatorController;
using Id = CommandId;
using Kind = CommandKind;
using M = GlobalHotkeys::Modifier;

const GlobalHotkeys::Modifiers Ctrl = M::Control;
const GlobalHotkeys::Modifiers CtrlAlt = GlobalHotkeys::Modifiers(M::Control) | M::Alt;

QKeyCombination ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key);
}

// Builds the rows in order; each helper appends one row and returns it for finishing touches.
class Rows {
  public:
    QList<Command> list;

    Command& menu(Id id, const char* name, int caption, Id parent = Id::None) {
        return add(id, Kind::Menu, name, parent, caption);
    }
    Command& entry(Id id, const char* name, Id parent, int caption, QKeyCombination key,
                   std::function<void(C&)> run) {
        Command& c = add(id, Kind::Entry, name, parent, caption);
        c.shortcut = key;
        c.run = std::move(run);
        return c;
    }
    Command& check(Id id, const char* name, Id parent, int caption, QKeyCombination key,
                   std::function<void(C&)> run, std::function<bool(const C&)> checked) {
        Command& c = entry(id, name, parent, caption, key, std::move(run));
        c.kind = Kind::Check;
        c.checked = std::move(checked);
        return c;
    }
    Command& radio(Id id, const char* name, Id parent, int caption, QKeyCombination key,
                   std::function<void(C&)> run, std::function<bool(const C&)> checked) {
        Command& c = check(id, name, parent, caption, key, std::move(run), std::move(checked));
        c.kind = Kind::Radio;
        return c;
    }
    void separator(Id parent) { add(Id::None, Kind::Separator, "", parent, 0); }
    Command& button(Button b, const char* name, const char* caption, QList<GlobalHotkeys::Hotkey> keys = {}) {
        Command& c = add(Id(int(Id::Digit0) + int(b)), Kind::Button, name, Id::None, 0);
        c.fixedCaption = QString::fromUtf8(caption);
        c.hotkeys = std::move(keys);
        c.button = b;
        c.run = [b](C& controller) { controller.press(b); };
        return c;
    }
    Command& hotkey(Id id, QList<GlobalHotkeys::Hotkey> keys, std::function<void(C&)> run) {
        Command& c = add(id, Kind::Hotkey, "", Id::None, 0);
        c.hotkeys = std::move(keys);
        c.run = std::move(run);
        return c;
    }

  private:
    Command& add(Id id, Kind kind, const char* name, Id parent, int caption) {
        Command c;
        c.id = id;
        c.kind = kind;
        c.objectName = QString::fromUtf8(name);
        c.parent = parent;
        c.caption = caption;
        list.append(std::move(c));
        return list.last();
    }
};

// A caption the catalogue does not have: fixed, or Portuguese and one for every other language.
Command& fixed(Command& c, const char* caption, const char* english = nullptr) {
    c.fixedCaption = QString::fromUtf8(caption);
    if (english) c.englishCaption = QString::fromUtf8(english);
    return c;
}

QList<Command> build() {
    Rows r;
    const std::function<void(C&)> later; // a tool that is not part of this program yet

    // clang-format off
    r.menu(Id::MenuOptions, "mnu1", 88);
    r.entry(Id::AnotherCalculator, "mnuOutra", Id::MenuOptions, 89, Qt::Key_F6, &C::openAnotherCalculator);
    r.entry(Id::DesktopCalculator, "mnuWindows", Id::MenuOptions, 90, Qt::Key_F7, &C::openDesktopCalculator);
    // The date calculator reports when it closes: it starts from a settled calculator.
    r.entry(Id::DateCalculator, "mnuData", Id::MenuOptions, 91, Qt::Key_F5, [](C& c) {
        c.engine().settleForTool();
        c.openTool(Id::DateCalculator);
    }).word = QStringLiteral("data");
    fixed(r.entry(Id::IdealWeight, "mnuPeso", Id::MenuOptions, 0, QKeyCombination(Qt::ShiftModifier, Qt::Key_F5),
                  [](C& c) { c.openTool(Id::IdealWeight); }),
          "Calcular Peso Ideal (IMC)", "Ideal Weight").word = QStringLiteral("peso");
    r.check(Id::TimeMode, "mnuTempo", Id::MenuOptions, 92, Qt::Key_F8, &C::toggleTimeMode,
            [](const C& c) { return c.engine().timeMode(); }).word = QStringLiteral("tempo");
    r.entry(Id::Installments, "mnuJuro", Id::MenuOptions, 93, ctrl(Qt::Key_J),
            [](C& c) { c.openTool(Id::Installments); }).word = QStringLiteral("juro");
    r.entry(Id::RuleOfThree, "mnuRegra", Id::MenuOptions, 177, ctrl(Qt::Key_T), [](C& c) { c.openTool(Id::RuleOfThree); });
    r.separator(Id::MenuOptions);
    r.entry(Id::CopyDisplay, "mnuCopiar", Id::MenuOptions, 94, ctrl(Qt::Key_C), &C::copyDisplay);
    fixed(r.entry(Id::PasteDisplay, "mnuColar", Id::MenuOptions, 0, ctrl(Qt::Key_V), &C::pasteIntoDisplay),
          "Colar no &Visor", "&Paste");
    fixed(r.entry(Id::AmountInWords, "mnuExtenso", Id::MenuOptions, 0, ctrl(Qt::Key_E),
                  [](C& c) { c.openTool(Id::AmountInWords); }),
          "Copiar o Visor por &Extenso").portugueseOnly = true;
    fixed(r.entry(Id::Cheque, "mnuCheque", Id::MenuOptions, 0, ctrl(Qt::Key_I), [](C& c) { c.openTool(Id::Cheque); }),
          "&Imprimir Cheque")
        .portugueseOnly = true;
    fixed(r.entry(Id::PromissoryNote, "mnuPromissoria", Id::MenuOptions, 0, ctrl(Qt::Key_N),
                  [](C& c) { c.openTool(Id::PromissoryNote); }),
          "Imprimir &Nota Promissória").portugueseOnly = true;
    fixed(r.entry(Id::UnitConverter, "mnuConverte", Id::MenuOptions, 0, ctrl(Qt::Key_O),
                  [](C& c) { c.openTool(Id::UnitConverter); }),
          "Converter &Pesos e Medidas").portugueseOnly = true;
    r.separator(Id::MenuOptions);
    r.entry(Id::Undo, "mnuUndo", Id::MenuOptions, 217, ctrl(Qt::Key_Z), [](C& c) { c.engine().undo(); })
        .enabled = [](const C& c) { return c.engine().canUndo(); };
    r.entry(Id::Redo, "mnuRedo", Id::MenuOptions, 219, ctrl(Qt::Key_R), [](C& c) { c.engine().redo(); })
        .enabled = [](const C& c) { return c.engine().canRedo(); };
    r.separator(Id::MenuOptions);
    // Its entries are the tray's utilities, which the tray window lends to the calculator's menu.
    r.menu(Id::MenuUtilities, "mnuUtil", 83, Id::MenuOptions).enabled = &C::utilitiesAvailable;

    r.menu(Id::MenuTape, "mnuFita", 96);
    r.check(Id::EditTape, "mnuEditar", Id::MenuTape, 97, Qt::Key_F2, &C::toggleEditMode,
            [](const C& c) { return c.engine().editMode(); });
    r.entry(Id::Find, "mnuLocalizar", Id::MenuTape, 98, Qt::Key_F3, &C::find);
    r.entry(Id::ClearTape, "mnuLimpar", Id::MenuTape, 99, ctrl(Qt::Key_L), [](C& c) { c.engine().clearTape(); });
    r.entry(Id::GroupReports, "mnuAgrupar", Id::MenuTape, 174, ctrl(Qt::Key_A), [](C& c) { c.engine().groupReports(); });
    r.separator(Id::MenuTape);
    r.entry(Id::SaveTape, "mnuSalvar", Id::MenuTape, 208, ctrl(Qt::Key_S), &C::saveTape);
    r.check(Id::BackupOnClear, "mnuBackup", Id::MenuTape, 170, {}, [](C& c) { c.setBackup(!c.options().backup); },
            [](const C& c) { return c.options().backup; });
    r.entry(Id::ShowBackup, "mnuMostraBack", Id::MenuTape, 169, ctrl(Qt::Key_K), &C::showBackup);
    r.separator(Id::MenuTape);
    r.entry(Id::PrintSmall, "mnuImprimir(0)", Id::MenuTape, 100, ctrl(Qt::Key_P), [](C& c) { c.printTape(0); });
    r.entry(Id::PrintMedium, "mnuImprimir(1)", Id::MenuTape, 101, ctrl(Qt::Key_M), [](C& c) { c.printTape(1); });
    r.entry(Id::PrintLarge, "mnuImprimir(2)", Id::MenuTape, 102, ctrl(Qt::Key_G), [](C& c) { c.printTape(2); });
    r.entry(Id::RollPrinter, "mnuMatricial", Id::MenuTape, 175, ctrl(Qt::Key_Y), &C::printOnRoll);

    r.menu(Id::MenuSettings, "mnuConfig", 103);
    r.check(Id::HideKeypad, "mnuOcultar", Id::MenuSettings, 104, {},
            [](C& c) { c.setKeypadHidden(!c.options().keypadHidden); }, [](const C& c) { return c.options().keypadHidden; });
    r.check(Id::LargeFont, "mnuGrande", Id::MenuSettings, 214, {}, [](C& c) { c.setLargeFont(!c.options().largeFont); },
            [](const C& c) { return c.options().largeFont; });
    r.check(Id::StartWithSession, "mnuFicar", Id::MenuSettings, 105, {}, &C::toggleStartWithSession,
            [](const C& c) { return c.startsWithSession(); });
    r.check(Id::StayInTray, "mnuSystray", Id::MenuSettings, 11, {}, [](C& c) { c.setStayInTray(!c.options().stayInTray); },
            [](const C& c) { return c.options().stayInTray; });
    r.check(Id::NumLockAlways, "mnuNumLock", Id::MenuSettings, 216, {},
            [](C& c) { c.setNumLockAlways(!c.options().numLockAlways); }, [](const C& c) { return c.options().numLockAlways; });
    r.check(Id::ClipboardMonitor, "mnuMonit", Id::MenuSettings, 106, {}, &C::toggleClipboardMonitor,
            [](const C& c) { return c.options().clipboardMonitor; });
    r.check(Id::AlwaysOnTop, "mnuVisivel", Id::MenuSettings, 107, {},
            [](C& c) { c.setAlwaysOnTop(!c.options().alwaysOnTop); }, [](const C& c) { return c.options().alwaysOnTop; });
    fixed(r.check(Id::Hotkeys, "mnuHotKey", Id::MenuSettings, 0, {}, [](C& c) { c.setHotkeys(!c.options().hotkeys); },
                  [](const C& c) { return c.options().hotkeys; }),
          "&HotKeys (CTRL + Teclado Numérico)", "&HotKeys (CTRL + Numeric Keyboard)");
    fixed(r.check(Id::InsertText, "mnuInserir", Id::MenuSettings, 0, {},
                  [](C& c) { c.setInsertText(!c.options().insertText); }, [](const C& c) { return c.options().insertText; }),
          "&Inserir Texto Durante o Cálculo", "&Insert Text While Calculate");
    r.separator(Id::MenuSettings);
    r.menu(Id::MenuFormat, "mnuForm", 108, Id::MenuSettings);
    for (int i = 0; i <= 10; ++i) {
        const QByteArray name = QStringLiteral("mnuNumeral(%1)").arg(i).toLatin1();
        r.radio(Id(int(Id::Format0) + i), name.constData(), Id::MenuFormat, i <= 2 ? 109 + i : 0, {},
                [i](C& c) { c.chooseFormat(i); }, [i](const C& c) { return c.engine().formatIndex() == i; });
        if (i == 2) r.separator(Id::MenuFormat);
    }
    r.menu(Id::MenuColours, "mnuEsquema", 112, Id::MenuSettings);
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = QStringLiteral("mnuCor%1").arg(i).toLatin1();
        r.radio(Id(int(Id::Colour1) + i - 1), name.constData(), Id::MenuColours, 112 + i, {},
                [i](C& c) { c.chooseColourScheme(i); },
                [i](const C& c) { return c.options().colourScheme == i; });
    }
    using Sound = KeySound::Mode;
    r.menu(Id::MenuSounds, "mnuSomEscolher", 117, Id::MenuSettings);
    r.radio(Id::SoundNone, "mnuSemSom", Id::MenuSounds, 118, {}, [](C& c) { c.chooseKeySound(Sound::None); },
            [](const C& c) { return c.options().keySound == 1; });
    fixed(r.radio(Id::SoundBeep, "mnuBeep", Id::MenuSounds, 0, ctrl(Qt::Key_B), [](C& c) { c.chooseKeySound(Sound::Beep); },
                  [](const C& c) { return c.options().keySound == 2; }),
          "&Beep, Beep...");
    r.radio(Id::SoundMusical, "mnuSom", Id::MenuSounds, 120, ctrl(Qt::Key_U), [](C& c) { c.chooseKeySound(Sound::Musical); },
            [](const C& c) { return c.options().keySound == 3; });
    r.menu(Id::MenuLanguage, "mnuIdioma", 121, Id::MenuSettings);
    const struct {
        Id id;
        const char* name;
        const char* caption;
        int language;
    } languages[] = {{Id::Portuguese, "mnuPortuguese", "&Português", Language::Portuguese},
                     {Id::English, "mnuEnglish", "&English", Language::English},
                     {Id::Spanish, "mnuSpanish", "E&spañol", Language::Spanish},
                     {Id::French, "mnuFrench", "&Français", Language::French}};
    // Each language carries its own name, whatever the current one is.
    for (const auto& l : languages)
        fixed(r.radio(l.id, l.name, Id::MenuLanguage, 0, {}, [l = l.language](C& c) { c.chooseLanguage(l); },
                      [l = l.language](const C& c) { return c.language() == l; }),
              l.caption);
    r.menu(Id::MenuEnterKey, "mnu4", 122, Id::MenuSettings);
    r.radio(Id::EnterAdds, "mnuEnter", Id::MenuEnterKey, 123, Qt::Key_F4, [](C& c) { c.setEnterAdds(true); },
            [](const C& c) { return c.engine().enterAdds(); });
    // F9 is the way back that the help tips teach.
    r.radio(Id::EnterEquals, "mnuIgual", Id::MenuEnterKey, 124, Qt::Key_F9, [](C& c) { c.setEnterAdds(false); },
            [](const C& c) { return !c.engine().enterAdds(); });
    fixed(r.check(Id::OfficeMenus, "mnuXP", Id::MenuSettings, 0, {}, &C::toggleOfficeMenus,
                  [](const C& c) { return c.options().officeMenus; }),
          "Office &XP menu");

    fixed(r.menu(Id::MenuHelp, "mnu9", 0), "?");
    r.entry(Id::Help, "mnuAjuda", Id::MenuHelp, 125, Qt::Key_F1, &C::showHelp);
    r.entry(Id::About, "mnuCalc", Id::MenuHelp, 126, Qt::Key_F11, &C::showAbout);
    r.entry(Id::Email, "mnuEmail", Id::MenuHelp, 128, {}, &C::sendEmail);

    // Durations have no memory and no decimals.
    const auto notInTimeMode = [](const C& c) { return !c.engine().timeMode(); };
    r.button(Button::MemoryClear, "MC", "MC").enabled = notInTimeMode;
    r.button(Button::MemoryRecall, "MR", "MR").enabled = notInTimeMode;
    r.button(Button::MemorySubtract, "Mmenos", "M-").enabled = notInTimeMode;
    r.button(Button::MemoryAdd, "Mmais", "M+").enabled = notInTimeMode;
    r.button(Button::ClearEntry, "chkCE", "CE", {{0, keysym::Delete, Ctrl}});
    r.button(Button::Back, "chkBack", "←", {{0, keysym::BackSpace, Ctrl}});
    r.button(Button::Percent, "chkPercent", "%");
    r.button(Button::Divide, "chkDividir", "÷", {{0, keysym::KP_Divide, Ctrl}});
    for (int d = 9; d >= 0; --d) {
        const QByteArray name = QStringLiteral("chkNum(%1)").arg(d).toLatin1();
        const QByteArray caption = QByteArray::number(d);
        r.button(digitButton(d), name.constData(), caption.constData(), {{0, keysym::keypadDigit(d), Ctrl}});
    }
    r.button(Button::Multiply, "chkVezes", "×", {{0, keysym::KP_Multiply, Ctrl}});
    r.button(Button::Subtract, "chkMenos", "-", {{0, keysym::KP_Subtract, Ctrl}});
    r.button(Button::Add, "chkMais", "+", {{0, keysym::KP_Add, Ctrl}});
    // Its caption is the decimal separator of the run.
    r.button(Button::Separator, "chkVirgula", "", {{0, keysym::KP_Decimal, Ctrl}}).enabled = notInTimeMode;
    r.button(Button::Sign, "chkNeg", "+/-");
    r.button(Button::Equals, "chkIgual", "=");

    r.hotkey(Id::HotkeyEnter, {{0, keysym::Return, Ctrl}, {0, keysym::KP_Enter, Ctrl}}, &C::hotkeyEnter);
    r.hotkey(Id::HotkeyAltEnter, {{0, keysym::Return, CtrlAlt}, {0, keysym::KP_Enter, CtrlAlt}}, &C::hotkeyAltEnter);
    r.hotkey(Id::TakeSelection, {{0, keysym::Insert, Ctrl}}, &C::takeSelection).button = Button::Percent;
    r.hotkey(Id::MinimizeToggle, {{0, keysym::Space, Ctrl}}, &C::toggleMinimized).button = Button::MemoryClear;
    // clang-format on

    for (Command& c : r.list)
        for (GlobalHotkeys::Hotkey& h : c.hotkeys)
            h.id = int(c.id);
    return r.list;
}

} // namespace

namespace CommandTable {

const QList<Command>& all() {
    static const QList<Command> rows = build();
    return rows;
}

const Command& find(CommandId id) {
    static const QHash<int, qsizetype> index = [] {
        QHash<int, qsizetype> byId;
        const QList<Command>& rows = all();
        for (qsizetype i = 0; i < rows.size(); ++i)
            if (rows[i].id != CommandId::None) byId.insert(int(rows[i].id), i);
        return byId;
    }();
    static const Command none;
    const auto it = index.constFind(int(id));
    return it == index.cend() ? none : all().at(*it);
}

const Command* findByWord(const QString& word) {
    for (const Command& c : all())
        if (!word.isEmpty() && c.word == word) return &c;
    return nullptr;
}

QString caption(const Command& command, int language, QChar decimal) {
    if (command.button == Button::Separator && command.kind == CommandKind::Button) return QString(decimal);
    const int format = int(command.id) - int(CommandId::Format3);
    if (format >= 0 && format < 8)
        return QStringLiteral("0") + decimal + QString(format + 1, QLatin1Char('0')); // 0,0 .. 0,00000000
    if (command.id == CommandId::SaveTape) return QLatin1Char('&') + MessageCatalog::message(208, language);
    if (command.caption) return MessageCatalog::message(command.caption, language);
    if (!command.englishCaption.isEmpty() && language != Language::Portuguese) return command.englishCaption;
    return command.fixedCaption;
}

const Command& forButton(Button button) {
    return find(CommandId(int(CommandId::Digit0) + int(button)));
}

QList<GlobalHotkeys::Hotkey> hotkeys() {
    QList<GlobalHotkeys::Hotkey> keys;
    for (const Command& c : all())
        keys += c.hotkeys;
    return keys;
}

} // namespace CommandTable
