// The windows in German, French and Spanish from the built translations, and
// a check that every text they show goes through a translation at all.
#include "entry/EntryWindow.h"
#include "entry/ChooseCalendarDialog.h"
#include "entry/DayTabs.h"
#include "entry/ImportWeekDialog.h"
#include "entry/OpenAddressDialog.h"
#include "entry/SignInDialog.h"
#include "entry/TransferProgressDialog.h"
#include "preview/PreviewWindow.h"

#include "ScriptedPlatform.h"
#include "common/AppTitle.h"
#include "common/Language.h"
#include "desktop/PictureBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace entry;

namespace {

const QString Translations = QStringLiteral(DORVANE_TRANSLATIONS);

// Every text that comes through a translation starts with this mark, so a
// text without it was never handed to one.
const QString Mark = QStringLiteral("\u27e6");

class MarkingTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "common::Language") == 0)
            return {};  // the locale's name, not a text
        return Mark + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

// The texts a widget shows or a screen reader reads of it, apart from what
// the user typed and the day names, which come from the locale.
QStringList shownTexts(QWidget* widget)
{
    QStringList texts{widget->accessibleName(), widget->accessibleDescription(), widget->toolTip()};
    if (widget->isWindow())
        texts << widget->windowTitle();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        texts << group->title();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        texts << box->placeholderText();
    for (QAction* action : widget->actions())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// The texts of `window` and all it holds that were not translated.
QStringList untranslated(QWidget* window)
{
    QStringList found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        for (const QString& text : shownTexts(widget)) {
            // The program's name, and the start of an address as a hint.
            if (!text.contains(Mark) && text != common::ProductName && text != QLatin1String("https://"))
                found << QStringLiteral("%1 (%2): %3").arg(widget->metaObject()->className(), widget->objectName(), text);
        }
    }
    return found;
}

// Whether each text fits its button or label at the window's fonts.
void expectTextsFit(QWidget* window)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(button))
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(), qPrintable(button->text()));
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    }
}

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { common::installTranslations(QLocale::c()); }

    void windowsAndMessagesSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("forgot");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QString>("yes");
        QTest::newRow("German") << "de_DE" << "Vorlage erstellen"
                                << "Sie haben vergessen, die Angaben zur Woche einzugeben."
                                << QStringList{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sa/So"}
                                << "&Ja";
        QTest::newRow("French") << "fr_FR" << "Créer le modèle"
                                << "Vous avez oublié de saisir les informations de la semaine."
                                << QStringList{"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Sam./Dim."}
                                << "&Oui";
        QTest::newRow("Spanish") << "es_ES" << "Crear la plantilla"
                                 << "Ha olvidado introducir la información de la semana."
                                 << QStringList{"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sáb/Dom"}
                                 << "&Sí";
    }

    void windowsAndMessagesSpeakTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, start);
        QFETCH(QString, forgot);
        QFETCH(QStringList, days);
        QFETCH(QString, yes);
        QVERIFY(common::installTranslations(QLocale(locale), Translations));
        QCOMPARE(common::windowLocale().name(), locale);

        ScriptedMessageBoxes boxes;
        EntryWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.startButton->text(), start);
        const QTabBar* tabs = form.dayTabs->tabBar();
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(tabs->tabText(page), days[page]);
            QVERIFY(tabs->fontMetrics().horizontalAdvance(days[page]) < tabs->tabRect(page).width());
        }
        expectTextsFit(&form);
        QVERIFY(form.numberBoxes[0]->accessibleName().startsWith(days[0] + ", "));

        QTest::mouseClick(form.startButton, Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList{forgot});

        preview::PreviewWindow preview;
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        expectTextsFit(&preview);

        // Qt's own buttons, from Qt's translation of the same language.
        QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), yes);
    }

    // A language Dorvane lacks, and the C locale even with LANGUAGE naming
    // one it has, leave everything in English, Qt's buttons too.
    void otherLanguagesStayEnglish()
    {
        QVERIFY(!common::installTranslations(QLocale(QLocale::Italian, QLocale::Italy), Translations));
        QVERIFY(!common::installTranslations(QLocale::c(), Translations));
        QCOMPARE(common::windowLocale().name(), QString("en_US"));
        EntryWindow form;
        QCOMPARE(form.startButton->text(), QString("Start Creating Template"));
        QCOMPARE(form.dayTabs->tabBar()->tabText(5), QString("Sat/Sun"));
        QDialogButtonBox buttons(QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), QString("&Yes"));
    }

    // No text is shown that bypasses the translations: with a translator
    // that marks every text it hands out, each window and dialog shows only
    // marked ones.
    void everyShownTextIsTranslated()
    {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        ScriptedMessageBoxes boxes;
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<EntryWindow>());
        windows.push_back(std::make_unique<preview::PreviewWindow>());
        windows.push_back(std::make_unique<ImportWeekDialog>(QDate(2026, 12, 9)));
        windows.push_back(std::make_unique<OpenAddressDialog>());
        windows.push_back(std::make_unique<SignInDialog>(remote::SignInRequest{"example.org", "Calendars", "", "refused", true}));
        windows.push_back(std::make_unique<ChooseCalendarDialog>(QStringList{"Work"}));
        windows.push_back(std::make_unique<TransferProgressDialog>());
        QStringList found;
        for (const auto& window : windows)
            found << untranslated(window.get());

        QTest::mouseClick(static_cast<EntryWindow*>(windows[0].get())->startButton, Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].text.startsWith(Mark));
        QCoreApplication::removeTranslator(&marking);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
