#include "documents/formlayout.h"

#include "settings/settingsstore.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr Qt::Alignment Left = Qt::AlignLeft;
constexpr Qt::Alignment Right = Qt::AlignRight;
constexpr Qt::Alignment Centre = Qt::AlignHCenter;

FieldSpec field(const char* name, Qt::Alignment alignment, const char* topKey, int top, const char* leftKey,
                int left, const char* widthKey, int width, const char* tooltip, const char* designText = "") {
    FieldSpec f;
    f.name = name;
    f.alignment = alignment;
    f.topKey = topKey;
    f.top = top;
    f.leftKey = leftKey;
    f.left = left;
    f.widthKey = widthKey;
    f.width = width;
    f.tooltip = tooltip;
    f.designText = designText;
    return f;
}

FieldSpec& programFilled(FieldSpec& f) {
    f.programFilled = true;
    return f;
}

// The fields without a top key of their own stand in the row of the last field that has one.
void linkRows(FormSpec& form) {
    int leader = -1;
    for (int i = 0; i < form.fields.size(); ++i) {
        FieldSpec& f = form.fields[i];
        if (f.topKey) {
            leader = i;
            f.rowLeader = -1;
        } else {
            f.rowLeader = leader;
            f.top = form.fields[leader].top;
        }
    }
}

FormSpec makeCheque() {
    FormSpec form;
    form.section = "Cheque";
    form.nameKey = "Banco";
    form.face = QSize(658, 277);
    QList<FieldSpec>& f = form.fields;
    f << field("txtFavorecido", Left, "txtFavorecidoT", 86, "txtFavorecidoL", 18, "txtFavorecidoW", 573,
               " Favorecido ");
    f << field("txtCidade", Right, "txtCidadeT", 112, "txtCidadeL", 262, "txtCidadeW", 167, " Cidade Local ",
               "CIDADE - UF");
    f << field("txtDia", Centre, nullptr, 0, "lblDiaL", 444, "txtDiaW", 25, " Dia ");
    f << field("txtMês", Centre, nullptr, 0, "lblMêsL", 480, "txtMêsW", 97, " Mês ");
    f << field("txtAno", Right, nullptr, 0, "lblAnoL", 580, "txtAnoW", 43, " Ano ");
    f << field("txtReserva", Left, "txtReservaT", 156, "txtReservaL", 12, "txtReservaW", 97,
               " Campo Reserva ");
    f.last().height = 29;
    f.last().keepsFont = true;
    f << field("txtExtenso1", Left, "lblExtenso1T", 38, "lblExtenso1L", 68, "lblExtenso1W", 563,
               " Extenso na Linha 1 ");
    programFilled(f.last());
    f << field("txtExtenso2", Left, "lblExtenso2T", 62, "lblExtenso2L", 8, "lblExtenso2W", 605,
               " Extenso na Linha 2 ");
    programFilled(f.last());
    f << field("txtValor", Right, "lblValorT", 10, "lblValorL", 454, "lblValorW", 177, " Valor do Cheque ");
    programFilled(f.last());
    // The day, month and year are the program's too, but the user may correct them.
    for (const char* name : {"txtDia", "txtMês", "txtAno"})
        programFilled(f[form.indexOf(QString::fromUtf8(name))]);
    linkRows(form);
    for (const char* key :
         {"Height", "Width", "Banco", "lblValorT", "lblValorL", "lblExtenso1T", "lblExtenso1L",
          "lblExtenso2T", "lblExtenso2L", "txtFavorecidoT", "txtFavorecidoL", "txtCidadeT", "txtCidadeL",
          "lblDiaL", "lblMêsL", "lblAnoL", "chkAno"})
        form.backupKeys << QString::fromUtf8(key);
    return form;
}

FormSpec makePromissory() {
    FormSpec form;
    form.section = "Promissoria";
    form.nameKey = "Modelo";
    form.face = QSize(796, 324);
    QList<FieldSpec>& f = form.fields;
    f << field("txtDia", Centre, "txtDiaT", 10, "lblDiaL", 492, "txtDiaW", 25, " Dia ");
    programFilled(f.last());
    f << field("txtMês", Centre, nullptr, 0, "lblMêsL", 554, "lblMêsW", 105, " Mês ");
    programFilled(f.last());
    f << field("txtAno", Centre, nullptr, 0, "lblAnoL", 698, "lblAnoW", 53, " Ano ");
    programFilled(f.last());
    f << field("txtNumero", Centre, "txtNumeroT", 38, "txtNumeroL", 218, "txtNumeroW", 63,
               " Número deste Documento ");
    f << field("txtValor", Right, "lblValorT", 38, "lblValorL", 546, "lblValorW", 169,
               " Valor da Promissória ");
    programFilled(f.last());
    f << field("txtAosDias", Left, "txtAosDiasT", 64, "txtAosDiasL", 188, "txtAosDiasW", 563,
               " Dia por Extenso ");
    programFilled(f.last());
    f << field("txtPagarei", Left, "txtPagareiT", 86, "txtPagareiL", 382, "txtPagareiW", 93,
               " Pagarei/Pagaremos ", "pagarei");
    f << field("txtCredor", Left, "txtCredorT", 110, "txtCredorL", 162, "txtCredorW", 351,
               " Empresa/Pessoa Credora ", "NOME DA EMPRESA/PESSOA CREDORA");
    f << field("txtCredor2", Left, nullptr, 0, "txtCredor2L", 546, "txtCredor2W", 205, " CPF/CGC do Credor",
               "CPF/CGC DO CREDOR");
    f << field("txtExtenso1", Left, "lblExtenso1T", 150, "lblExtenso1L", 240, "lblExtenso1W", 515,
               " Extenso na Linha 1 ");
    programFilled(f.last());
    f << field("txtExtenso2", Left, "lblExtenso2T", 178, "lblExtenso2L", 154, "lblExtenso2W", 553,
               " Extenso na Linha 2 ");
    programFilled(f.last());
    f << field("txtCidade", Left, "txtCidadeT", 206, "txtCidadeL", 200, "txtCidadeW", 237,
               " Praça de Pagamento ", "CIDADE - UF");
    f << field("txtEmitente", Left, "txtEmitenteT", 230, "txtEmitenteL", 154, "txtEmitenteW", 283,
               " Emitente (Devedor) ", "NOME DO EMITENTE");
    f << field("txtEmitente2", Left, "txtEmitente2T", 254, "txtEmitente2L", 178, "txtEmitente2W", 259,
               " CPF/CGC do Emitente ", "CPF/CGC DO EMITENTE");
    f << field("txtEndereço", Left, "txtEndereçoT", 278, "txtEndereçoL", 154, "txtEndereçoW", 283,
               " Endereço do Emitente ", "ENDEREÇO DO EMITENTE");
    f << field("txtReserva", Left, "txtReservaT", 50, "txtReservaL", 4, "txtReservaW", 97, " Campo Reserva ");
    f.last().keepsFont = true;
    linkRows(form);
    form.backupKeys << QStringLiteral("Height") << QStringLiteral("Width") << QStringLiteral("Modelo")
                    << form.layoutKeys();
    return form;
}

QString key(const char* k) {
    return QString::fromUtf8(k);
}

// A stored position: a whole number in the locale's notation (or the C locale's), within reach of
// the face; anything else is nothing.
std::optional<int> storedNumber(const QString& text, const QLocale& locale, int low, int high) {
    for (const QLocale& l : {locale, QLocale::c()}) {
        bool ok = false;
        const double v = l.toDouble(text.trimmed(), &ok);
        if (ok && std::isfinite(v) && v >= low && v <= high) return int(std::lround(v));
    }
    return std::nullopt;
}

QString escaped(QString value) {
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
}

QString unescaped(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return out;
}

} // namespace

int FormSpec::indexOf(const QString& name) const {
    for (int i = 0; i < fields.size(); ++i)
        if (QString::fromUtf8(fields[i].name) == name) return i;
    return -1;
}

QList<int> FormSpec::rowOf(int index) const {
    const int leader = fields[index].rowLeader < 0 ? index : fields[index].rowLeader;
    QList<int> row;
    for (int i = 0; i < fields.size(); ++i)
        if (i == leader || fields[i].rowLeader == leader) row << i;
    return row;
}

QStringList FormSpec::layoutKeys() const {
    QStringList keys;
    for (const FieldSpec& f : fields) {
        if (f.topKey) keys << key(f.topKey);
        keys << key(f.leftKey) << key(f.widthKey);
    }
    return keys;
}

const FormSpec& chequeForm() {
    static const FormSpec form = makeCheque();
    return form;
}

const FormSpec& promissoryForm() {
    static const FormSpec form = makePromissory();
    return form;
}

LayoutModel LayoutModel::defaults(const FormSpec& form) {
    LayoutModel m;
    for (const FieldSpec& f : form.fields)
        m.places << FieldPlace{f.left, f.top, f.width};
    return m;
}

QRect LayoutModel::rect(const FormSpec& form, int index) const {
    const FieldPlace& p = places.at(index);
    return QRect(p.left, p.top, p.width, form.fields.at(index).height);
}

namespace LayoutStore {

QString section(const FormSpec& form, int model) {
    return key(form.section) + (model > 1 ? QString::number(model - 1) : QString());
}

QString defaultName(int model) {
    return QStringLiteral("Modelo %1").arg(model);
}

QString name(const SettingsStore& store, const FormSpec& form, int model) {
    return store.read(section(form, model), key(form.nameKey), defaultName(model));
}

QStringList names(const SettingsStore& store, const FormSpec& form) {
    QStringList list;
    for (int model = 1; model <= Models; ++model)
        list << name(store, form, model);
    return list;
}

LayoutModel load(const SettingsStore& store, const FormSpec& form, int model, const QLocale& locale) {
    LayoutModel layout = LayoutModel::defaults(form);
    const QString s = section(form, model);
    const QSize face = form.face;
    const auto read = [&](const char* k, int fallback, int low, int high) {
        return storedNumber(store.read(s, key(k), QString::number(fallback)), locale, low, high)
            .value_or(fallback);
    };
    for (int i = 0; i < form.fields.size(); ++i) {
        const FieldSpec& f = form.fields[i];
        FieldPlace& p = layout.places[i];
        // A field may be dragged partly off the face, not out of reach of the mouse.
        p.width = read(f.widthKey, f.width, 1, 4 * face.width());
        p.left = read(f.leftKey, f.left, -p.width + 1, face.width() - 1);
        if (f.topKey) p.top = read(f.topKey, f.top, -f.height + 1, face.height() - 1);
    }
    for (int i = 0; i < form.fields.size(); ++i)
        if (form.fields[i].rowLeader >= 0) layout.places[i].top = layout.places[form.fields[i].rowLeader].top;
    layout.fourDigitYear =
        store.read(s, QStringLiteral("chkAno"), QStringLiteral("0")).trimmed() == QLatin1String("1");
    return layout;
}

void save(SettingsStore& store, const FormSpec& form, int model, const QString& name,
          const LayoutModel& layout) {
    QList<std::pair<QString, QString>> values{{key(form.nameKey), name}};
    for (int i = 0; i < form.fields.size(); ++i) {
        const FieldSpec& f = form.fields[i];
        const FieldPlace& p = layout.places[i];
        if (f.topKey) values.append({key(f.topKey), QString::number(p.top)});
        values.append({key(f.leftKey), QString::number(p.left)});
        values.append({key(f.widthKey), QString::number(p.width)});
    }
    if (&form == &chequeForm())
        values.append(
            {QStringLiteral("chkAno"), layout.fourDigitYear ? QStringLiteral("1") : QStringLiteral("0")});
    store.write(section(form, model), values);
}

std::optional<NameProblem> checkName(const QString& name) {
    if (name.trimmed().isEmpty()) return NameProblem::Empty;
    if (name.trimmed().size() > MaxNameLength) return NameProblem::TooLong;
    return std::nullopt;
}

QString backupText(const SettingsStore& store, const FormSpec& form, const QString& windowHeight,
                   const QString& windowWidth) {
    QHash<QString, QString> defaults;
    for (const FieldSpec& f : form.fields) {
        if (f.topKey) defaults.insert(key(f.topKey), QString::number(f.top));
        defaults.insert(key(f.leftKey), QString::number(f.left));
        defaults.insert(key(f.widthKey), QString::number(f.width));
    }
    defaults.insert(QStringLiteral("Height"), windowHeight);
    defaults.insert(QStringLiteral("Width"), windowWidth);
    defaults.insert(QStringLiteral("chkAno"), QStringLiteral("0"));
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("REGEDIT4") + crlf;
    for (int model = 1; model <= Models; ++model) {
        const QString s = section(form, model);
        defaults.insert(key(form.nameKey), defaultName(model));
        text +=
            crlf + QStringLiteral("[HKEY_CURRENT_USER\\Software\\Tabulora\\") + s + QLatin1Char(']') + crlf;
        for (const QString& k : form.backupKeys)
            text += QLatin1Char('"') + k + QStringLiteral("\"=\"") +
                    escaped(store.read(s, k, defaults.value(k))) + QLatin1Char('"') + crlf;
    }
    return text;
}

int restoreBackup(SettingsStore& store, const FormSpec& form, const QString& text) {
    QStringList sections;
    for (int model = 1; model <= Models; ++model)
        sections << section(form, model);
    QStringList known = form.backupKeys + form.layoutKeys();
    known << key(form.nameKey) << QStringLiteral("chkAno");
    static const QRegularExpression sectionLine(QStringLiteral("^\\[.*\\\\([^\\\\\\]]+)\\]$"));
    static const QRegularExpression valueLine(QStringLiteral("^\"([^\"]+)\"=\"((?:[^\"\\\\]|\\\\.)*)\"$"));
    // Everything is read first: a file that is no backup of this form changes nothing.
    QList<std::pair<QString, QList<std::pair<QString, QString>>>> found;
    bool inForm = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (const auto m = sectionLine.match(line); m.hasMatch()) {
            inForm = sections.contains(m.captured(1));
            if (inForm) found.append({m.captured(1), {}});
        } else if (const auto v = valueLine.match(line);
                   v.hasMatch() && inForm && known.contains(v.captured(1))) {
            found.last().second.append({v.captured(1), unescaped(v.captured(2))});
        }
    }
    for (const auto& [s, values] : found)
        store.write(s, values);
    return int(found.size());
}

} // namespace LayoutStore
