#pragma once
// Which of the four languages the program starts in. The user's language is known as a 16-bit
// Windows-style language identifier (primary language in the low 10 bits, sub-language above), the
// form the amount-in-words writer and the stored choice were designed around; on this platform it
// is derived from the system locale.

#include <QLocale>
#include <QString>

// The language digit for a language identifier: its lower-case hexadecimal text, without leading
// zeros, is judged by its last three characters. "416"/"816" Portuguese; "c0a", "80a", "40a", "00a"
// Spanish; "40c", "80c", "c0c", "00c" French; anything else English.
int languageFromLangId(quint16 langId);

// The Windows-style identifier for a language and territory. Territories without an identifier of
// their own take sub-language 1; languages without a primary identifier give 0x0400 (the neutral
// "user default"), the C locale 0x0409.
quint16 langIdFor(QLocale::Language language, QLocale::Territory territory);

// langIdFor() of the system locale.
quint16 systemLangId();

// The start-up choice: a stored "1".."4" wins; "0", nothing or anything else asks the identifier.
int chooseLanguage(const QString& storedIdioma, quint16 langId);

// Loads Qt's own translations (standard buttons, the file dialog) for the language digit, replacing
// those of an earlier language; English needs none. False when the system has no file for it.
bool applyQtTranslations(int language);
