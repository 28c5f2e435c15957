#include "shell/helptips.h"

#include "i18n/messagecatalog.h"
#include "platform/atomicfile.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString LineBreak = QStringLiteral("\r\n");
const QString BlankLine = QStringLiteral("\r\n\r\n");

using Page = QStringList;

// The tips are kept word for word as the Portuguese users know them, Windows task bar included.
QList<Page> portuguesePages() {
    return {
        {
            u"NOVIDADE: Agora é possível efetuar cálculos sem necessidade de ficar com a calculadora na "
            u"tela. Vantagem: Poderá lançar valores na calculadora sem perder o foco ou ter que sair de "
            u"outros programas que você estiver usando."_qs,
            u"- As HotKeys (teclas de atalho) irão operar mesmo com a calculadora estando sem o foco "
            u"(trabalhando em segundo plano) ou MINIMIZADA!"_qs,
            u"- Para utilizar as HOTKEYS, basta pressionar a tecla CTRL e mantendo-a pressionada, use o "
            u"teclado numérico para digitar os valores ou as operações. Quando estiver minimizado, os "
            u"números irão aparecer na barra de tarefas do Windows."_qs,
            u"- Para desligar as HotKeys, vá no menu CONFIGURAÇÕES."_qs,
            u"- Outras HotKeys: CTRL+DELETE = limpar a fita, CTRL+BACKSPACE = limpar último dígito, "
            u"CTRL+ALT+ENTER = negativar número digitado, CTRL+INSERT = colar na calculadora valor copiado "
            u"ou apenas selecionado em outros documentos, CTRL+ENTER = resultado do cálculo, CTRL+SPACE = "
            u"minimizar ou restaurar a calculadora."_qs,
        },
        {
            u"- Para arrastar valores do VISOR da calculadora para campos em outros programas, clique com o "
            u"MOUSE sobre o visor e em seguida vá até o campo que deverá receber os dados e dê clique "
            u"duplo."_qs,
            u"- Para calcular TAXAS, digite o valor principal, tecle / (dividir), digite o valor percentual "
            u"e tecle %"_qs,
            u"- Para conhecer outros atalhos, deixe o cursor do MOUSE parado alguns instantes sobre cada um "
            u"dos botões do teclado da calculadora."_qs,
            u"- Utilize as seguintes teclas de atalho para poder durante um cálculo, alterar o que foi "
            u"lançado:"_qs +
                LineBreak + u"Ctrl+Z = Desfazer último(s) lançamento(s)"_qs + LineBreak +
                u"Ctrl+R = Refazer as parcelas que foram desfeitas com o Ctrl+Z"_qs,
            u"- Usuário de NOTEBOOK (Laptop): Desligue a função 'NUMLOCK SEMPRE LIGADO' que fica dentro do "
            u"menu CONFIGURAÇÕES, para poder utilizar o teclado alfabético como se estivesse usando um "
            u"teclado numérico. NOTA: o cedilha passa a ser sinal de +"_qs,
        },
        {
            u"- Ao efetuar somatória de muitas parcelas, tecle F4 para poder utilizar o ENTER para somar. "
            u"Para voltar ao modo normal tecle F9."_qs,
            u"- Se durante um cálculo vir a precisar de efetuar um sub-cálculo, tecle F6 para abrir uma "
            u"segunda instância da calculadora. O resultado da segunda calculadora será lançado "
            u"automaticamente na primeira calculadora."_qs,
            u"- Para entrar no modo de CÁLCULO DE TEMPO (horas, minutos e segundos) tecle F8. Para voltar ao "
            u"modo normal tecle F8 novamente."_qs,
            u"- No menu UTILITÁRIOS você pode agendar horário para lembretes, programar o computador para "
            u"desligar sozinho, etc."_qs,
            u"- Para editar a lista (fita) dos cálculos, tecle F2. Para voltar ao modo normal tecle F2 "
            u"novamente."_qs,
            u"- Se quiser copiar valores de outros documentos para serem lançados automaticamente na "
            u"calculadora, basta ir no menu CONFIGURAÇÕES e marcar MONITORAR ÁREA DE TRANSFERÊNCIA."_qs,
        },
    };
}

// Menus and options are named as the Spanish menus caption them, so the user can find them.
QList<Page> spanishPages() {
    return {
        {
            u"NOVEDAD: Ahora es posible hacer cálculos sin necesidad de tener la calculadora en la pantalla. "
            u"Ventaja: Podrá introducir valores en la calculadora sin perder el foco ni tener que salir de "
            u"los otros programas que esté usando."_qs,
            u"- ¡Las HotKeys (teclas de acceso rápido) funcionarán aunque la calculadora no tenga el foco "
            u"(trabajando en segundo plano) o esté MINIMIZADA!"_qs,
            u"- Para utilizar las HOTKEYS, basta con pulsar la tecla CTRL y, manteniéndola pulsada, usar el "
            u"teclado numérico para escribir los valores o las operaciones. Cuando esté minimizada, los "
            u"números aparecerán en la barra de tareas de Windows."_qs,
            u"- Para desactivar las HotKeys, vaya al menú CONFIGURAR."_qs,
            u"- Otras HotKeys: CTRL+DELETE = borrar la cinta, CTRL+BACKSPACE = borrar el último dígito, "
            u"CTRL+ALT+ENTER = volver negativo el número escrito, CTRL+INSERT = pegar en la calculadora un "
            u"valor copiado o solo seleccionado en otros documentos, CTRL+ENTER = resultado del cálculo, "
            u"CTRL+SPACE = minimizar o restaurar la calculadora."_qs,
        },
        {
            u"- Para arrastrar valores del VISOR de la calculadora a campos de otros programas, haga clic "
            u"con el RATÓN sobre el visor y luego vaya al campo que debe recibir los datos y haga doble "
            u"clic."_qs,
            u"- Para calcular TASAS, escriba el valor principal, pulse / (dividir), escriba el valor "
            u"porcentual y pulse %"_qs,
            u"- Para conocer otros atajos, deje el cursor del RATÓN quieto unos instantes sobre cada uno de "
            u"los botones del teclado de la calculadora."_qs,
            u"- Utilice las siguientes teclas de acceso rápido para poder cambiar, durante un cálculo, lo "
            u"que ya se ha introducido:"_qs +
                LineBreak + u"Ctrl+Z = Deshacer la(s) última(s) entrada(s)"_qs + LineBreak +
                u"Ctrl+R = Rehacer las entradas que se deshicieron con Ctrl+Z"_qs,
            u"- Usuario de PORTÁTIL (Laptop): Desactive la opción 'NUMLOCK SIEMPRE ACTIVADO' del menú "
            u"CONFIGURAR para poder usar el teclado alfabético como si fuera un teclado numérico. NOTA: la "
            u"cedilla pasa a ser el signo +"_qs,
        },
        {
            u"- Al sumar muchas cantidades, pulse F4 para poder usar ENTER para sumar. Para volver al modo "
            u"normal pulse F9."_qs,
            u"- Si durante un cálculo necesita hacer un subcálculo, pulse F6 para abrir una segunda "
            u"instancia de la calculadora. El resultado de la segunda calculadora se introducirá "
            u"automáticamente en la primera calculadora."_qs,
            u"- Para entrar en el modo de CÁLCULO DE TIEMPO (horas, minutos y segundos) pulse F8. Para "
            u"volver al modo normal pulse F8 de nuevo."_qs,
            u"- En el menú HERRAMIENTAS puede programar la hora de recordatorios, hacer que el ordenador se "
            u"apague solo, etc."_qs,
            u"- Para editar la lista (cinta) de cálculos, pulse F2. Para volver al modo normal pulse F2 de "
            u"nuevo."_qs,
            u"- Si quiere copiar valores de otros documentos para que se introduzcan automáticamente en la "
            u"calculadora, basta con ir al menú CONFIGURAR y marcar MONITOR DEL PORTAPAPELES."_qs,
        },
    };
}

QString question(int language) {
    return language == Language::Spanish ? u"¿DESEA SEGUIR VIENDO MÁS INSTRUCCIONES?"_qs
                                         : u"DESEJA CONTINUAR VENDO AS DICAS?"_qs;
}

const QString ManualResource = QStringLiteral(":/manual/index.html");

} // namespace

QStringList helpPages(int language) {
    QList<Page> pages;
    if (language == Language::Portuguese)
        pages = portuguesePages();
    else if (language == Language::Spanish)
        pages = spanishPages();

    QStringList texts;
    for (const Page& tips : pages)
        texts.append(tips.join(BlankLine) + BlankLine + question(language));
    return texts;
}

QString helpPagesTitle(int language) {
    if (language == Language::Portuguese) return u" DICAS DE OPERAÇÃO"_qs;
    if (language == Language::Spanish) return u" INSTRUCCIONES DE USO"_qs;
    return {};
}

QString manualPath(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("manual/index.html"));
}

QString installManual(const QString& dataDir) {
    QFile resource(ManualResource);
    if (!resource.open(QIODevice::ReadOnly)) return {};
    const QByteArray manual = resource.readAll();

    const QString path = manualPath(dataDir);
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == manual) return path;
    existing.close();

    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return {};
    // Written whole or not at all: a browser that is still showing the old manual must not see a
    // half-written one.
    return AtomicFile::write(path, manual).ok() ? path : QString();
}

bool askForManual(Dialogs& dialogs, int language, const QString& windowTitle) {
    const QString pagesTitle = helpPagesTitle(language);
    for (const QString& page : helpPages(language)) {
        if (dialogs.message(page, pagesTitle, Dialogs::Icon::Information, Dialogs::Buttons::YesNo) ==
            Dialogs::Answer::No)
            return false;
    }
    return dialogs.message(MessageCatalog::message(7, language), windowTitle, Dialogs::Icon::Information,
                           Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

bool openManualInBrowser(Dialogs& dialogs, Desktop& desktop, const QString& dataDir, int language,
                         const QString& windowTitle) {
    const QString path = installManual(dataDir);
    if (!path.isEmpty() && desktop.openDocument(path)) return true;
    // Whoever has no browser can still read the manual: say where it is.
    const QString where = path.isEmpty() ? QString() : BlankLine + QDir::toNativeSeparators(path);
    dialogs.message(MessageCatalog::message(8, language) + where, windowTitle, Dialogs::Icon::Exclamation);
    return false;
}

QString aboutTitle() {
    return QStringLiteral(" Tabulora  -  9.0.");
}

QString aboutText(int language) {
    return u"Tabulora 9.0"_qs + BlankLine + MessageCatalog::message(252, language) + BlankLine +
           MessageCatalog::message(253, language);
}
