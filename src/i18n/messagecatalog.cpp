#include "i18n/messagecatalog.h"

#include <QFile>
#include <QStringView>
#include <QtDebug>
#include <algorithm>

namespace {

struct Catalog {
    QHash<int, QString> byId;
    QList<int> numbers;
};

Catalog loadCatalog() {
    Catalog catalog;
    QFile file(QStringLiteral(":/messages.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        // Without it every caption is empty; say so once rather than fail on every lookup.
        qWarning("message catalogue missing from the resources");
        return catalog;
    }
    catalog.byId = MessageCatalog::parse(file.readAll());
    for (auto it = catalog.byId.cbegin(); it != catalog.byId.cend(); ++it)
        if (it.key() % 10 == Language::Portuguese) catalog.numbers.append(it.key() / 10);
    std::sort(catalog.numbers.begin(), catalog.numbers.end());
    return catalog;
}

// Read on first use, which is the tray window's start-up; never written afterwards.
const Catalog& catalog() {
    static const Catalog instance = loadCatalog();
    return instance;
}

void replaceFirst(QString& text, QChar mark, const QString& value) {
    const qsizetype at = text.indexOf(mark);
    if (at >= 0) text.replace(at, 1, value);
}

} // namespace

QHash<int, QString> MessageCatalog::parse(const QByteArray& tsv) {
    QHash<int, QString> byId;
    const QString all = QString::fromUtf8(tsv);
    byId.reserve(all.count(u'\n') * 4);
    int lineNo = 0;
    for (QStringView line : QStringView(all).split(u'\n')) {
        ++lineNo;
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u'\t');
        bool ok = false;
        const int number = fields.first().toInt(&ok);
        if (!ok || number < 0 || number > 0xFFFF || fields.size() != 5) {
            qWarning("message catalogue line %d is not a number and four texts", lineNo);
            continue;
        }
        for (int language = Language::Portuguese; language <= Language::French; ++language) {
            QString text = fields.at(language).toString();
            text.replace(QLatin1String("{1}"), QString(Param1));
            text.replace(QLatin1String("{2}"), QString(Param2));
            text.replace(QLatin1String("{3}"), QString(Param3));
            byId.insert(number * 10 + language, text);
        }
    }
    return byId;
}

QString MessageCatalog::text(int number, int language) {
    if (number < 0 || number > 0xFFFF || language < Language::Portuguese || language > Language::French)
        return {};
    return catalog().byId.value(number * 10 + language);
}

QString MessageCatalog::message(int number, int language, const QString& p1, const QString& p2,
                                const QString& p3) {
    QString result = text(number, language);
    result.replace(u'|', QLatin1String("\r\n"));
    replaceFirst(result, Param1, p1);
    replaceFirst(result, Param2, p2);
    replaceFirst(result, Param3, p3);
    return result;
}

QList<int> MessageCatalog::numbers() {
    return catalog().numbers;
}

Messages::Messages(int language) {
    setLanguage(language);
}

void Messages::setLanguage(int language) {
    if (language >= Language::Portuguese && language <= Language::French) m_language = language;
}

QString Messages::text(int number, const QString& p1, const QString& p2, const QString& p3) const {
    return MessageCatalog::message(number, m_language, p1, p2, p3);
}
