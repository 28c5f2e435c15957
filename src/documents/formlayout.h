#pragma once
// The printed forms (the bank cheque and the promissory note) as layouts: which fields a face has,
// where each one sits in layout pixels (1/96 inch on paper), and the nine models per form that the
// user keeps in the settings sections "Cheque", "Cheque1".."Cheque8" and "Promissoria",
// "Promissoria1".."Promissoria8". A model's keys are the design's own names ("lblValorT",
// "txtCidadeL", "lblMêsL"), so a store written by an older copy of the program reads the same.

#include <QList>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class SettingsStore;

struct FieldSpec {
    const char* name = "";        // the control's object name ("txtValor")
    Qt::Alignment alignment;      // Qt::AlignLeft, AlignRight or AlignHCenter
    int height = 17;              // 29 for the cheque's two-line reserve
    const char* topKey = nullptr; // nullptr: the field stands in the row of `rowLeader`
    int top = 0;
    const char* leftKey = "";
    int left = 0;
    const char* widthKey = "";
    int width = 0;
    const char* tooltip = "";
    const char* designText = ""; // what the field holds before anything is typed or stored
    int rowLeader = -1;          // index of the field whose top this one shares (-1: its own)
    bool programFilled = false;  // amount, words, dates: set by the program, not typed
    bool keepsFont = false;      // the reserve field stays regular when the bold option is on
};

struct FormSpec {
    const char* section;     // "Cheque": model 1's section and the prefix of the others
    const char* nameKey;     // "Banco" or "Modelo"
    QSize face;              // the face's size in layout pixels
    QList<FieldSpec> fields; // in the order the focus goes through them
    QStringList backupKeys;  // the keys of a model that its backup keeps, in their order

    int indexOf(const QString& name) const;
    // The fields that share a row with field `index` (itself included).
    QList<int> rowOf(int index) const;
    // Every key a model section holds for the layout, in the order of the fields.
    QStringList layoutKeys() const;
};

const FormSpec& chequeForm();
const FormSpec& promissoryForm();

// One field's place: its left and top edge and its width, in layout pixels.
struct FieldPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    friend bool operator==(const FieldPlace&, const FieldPlace&) = default;
};

// A model as the window shows it: the places of the fields in the form's order, and the cheque's
// four-digit-year choice.
struct LayoutModel {
    QList<FieldPlace> places;
    bool fourDigitYear = false;

    static LayoutModel defaults(const FormSpec& form);
    QRect rect(const FormSpec& form, int index) const;
    friend bool operator==(const LayoutModel&, const LayoutModel&) = default;
};

namespace LayoutStore {

inline constexpr int Models = 9;
// The longest model name the list shows whole.
inline constexpr int MaxNameLength = 30;

// "Cheque" for model 1, "Cheque1" for model 2, ... "Cheque8" for model 9.
QString section(const FormSpec& form, int model);
QString defaultName(int model);
QString name(const SettingsStore& store, const FormSpec& form, int model);
QStringList names(const SettingsStore& store, const FormSpec& form);

// A model read from its section: a key that is missing, not a number or far off the face takes
// that field's designed place, so a damaged section spoils nothing but itself.
LayoutModel load(const SettingsStore& store, const FormSpec& form, int model, const QLocale& locale);
void save(SettingsStore& store, const FormSpec& form, int model, const QString& name,
          const LayoutModel& layout);

// Why a name cannot be a model's name, or nothing when it can.
enum class NameProblem { Empty, TooLong };
std::optional<NameProblem> checkName(const QString& name);

// The backup of every model of a form: a registry-import text ("REGEDIT4", one key line per section,
// one "key"="value" line per value), CR LF line ends. `windowHeight` and `windowWidth` (twips) stand
// in for sections that never kept the window's size.
QString backupText(const SettingsStore& store, const FormSpec& form, const QString& windowHeight,
                   const QString& windowWidth);
// Writes back into the store the values of a backup text that belong to the form's sections and
// keys; returns how many sections it found (0: not a backup of this form).
int restoreBackup(SettingsStore& store, const FormSpec& form, const QString& text);

} // namespace LayoutStore
