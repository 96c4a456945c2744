// What a new user sees first: the windows laid out with the fonts this
// machine gives the layout's faces (offscreen) with no text cut off by its
// box or overlapping its neighbour, in each language the program speaks; Qt's own dialogs in
// German; the dialogs the settings dialog opens in front of it; its tool buttons saying what they
// could not start.

#include "engine/AppState.h"
#include "engine/TfrmTest.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/InLanguage.h"
#include "support/TestFiles.h"
#include "support/TestPlatform.h"
#include "ui/ProgramLanguage.h"
#include "ui/ProgramLook.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavo;

namespace {

// Widgets that show a text the user must be able to read.
bool showsText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return !label->text().isEmpty();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return !button->text().isEmpty();
    }
    return false;
}

QString describe(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    }
    const QRect box = widget->geometry();
    return QStringLiteral("%1 „%2“ (%3, %4) %5 × %6")
        .arg(widget->objectName(), text)
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

// The size the widget's text needs. A push button's style hint has a
// minimum width of its own, so for it the text and a small margin count.
QSize neededSize(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return {text.width() + 8, text.height() + 4};
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap()) {
        return {0, label->heightForWidth(label->width())};
    }
    return widget->sizeHint();
}

// Every cut-off text and every overlap of a text with a sibling in the
// visible widgets of `top`.
QStringList layoutFaults(QWidget* top) {
    QStringList faults;
    const auto widgets = top->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(top) || !showsText(widget)) {
            continue;
        }
        const QSize needed = neededSize(widget);
        if (needed.width() > widget->width() || needed.height() > widget->height()) {
            faults << QStringLiteral("%1 braucht %2 × %3")
                          .arg(describe(widget))
                          .arg(needed.width())
                          .arg(needed.height());
        }
        for (QObject* object : widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(object);
            // A plain frame is a drawn rectangle around texts, not a neighbour.
            if (sibling == nullptr || sibling == widget || !sibling->isVisibleTo(top) ||
                sibling->isWindow() || QByteArray(sibling->metaObject()->className()) == "QFrame") {
                continue;
            }
            // Each pair once when both show texts.
            if (showsText(sibling) && sibling < widget) {
                continue;
            }
            if (widget->geometry().intersects(sibling->geometry())) {
                faults
                    << QStringLiteral("%1 überdeckt %2").arg(describe(widget), describe(sibling));
            }
        }
    }
    return faults;
}

// The faults one per line, for a readable failure.
std::string faultsOf(QWidget* top) {
    return layoutFaults(top).join(QLatin1Char('\n')).toStdString();
}

struct Program {
    explicit Program(QStringList parameters = {}) {
        ui::substituteLayoutFonts();
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), parameters);
    }
    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
};

} // namespace

TEST(LayoutFit, MainWindowEmptyAndWithAResult) {
    for (const auto language : testsupport::kEveryLanguage) {
        SCOPED_TRACE(platform::languageCode(language).toStdString());
        const testsupport::InLanguage speaking(language);
        Program empty;
        empty.windows->main->show();
        EXPECT_EQ(faultsOf(empty.windows->main.get()), "");

        // A result fills the date line and the summary figures.
        Program withResult({testsupport::writeRealisticTest(empty.sim.folder)});
        withResult.windows->main->show();
        ASSERT_TRUE(withResult.state.Record.ResultsValid);
        EXPECT_EQ(faultsOf(withResult.windows->main.get()), "");

        // The widest figures the summary labels can hold, on screen and on paper.
        auto& main = *withResult.windows->main;
        for (const char* widest : {"-100", "-50", "100", "-"}) {
            for (QLabel* label : {main.txtOSPL, main.txtOSPR, main.txtAPV}) {
                label->setText(QString::fromLatin1(widest));
            }
            EXPECT_EQ(faultsOf(&main), "") << widest;
        }
    }
}

TEST(LayoutFit, EveryPageOfTheSettingsDialogAndThePasswordDialog) {
    for (const auto language : testsupport::kEveryLanguage) {
        SCOPED_TRACE(platform::languageCode(language).toStdString());
        const testsupport::InLanguage speaking(language);
        Program program;
        auto& settings = *program.windows->settings;
        settings.show();
        for (int page = 0; page < settings.SettingsPages->count(); ++page) {
            settings.SettingsPages->setCurrentIndex(page);
            EXPECT_EQ(faultsOf(&settings), "")
                << settings.SettingsPages->tabText(page).toStdString();
        }
        program.windows->password->show();
        EXPECT_EQ(faultsOf(program.windows->password.get()), "");
    }
}

TEST(LayoutFit, TheTestAndCalibrationWindows) {
    for (const auto language : testsupport::kEveryLanguage) {
        SCOPED_TRACE(platform::languageCode(language).toStdString());
        const testsupport::InLanguage speaking(language);
        Program program;
        auto& windows = *program.windows;
        for (QWidget* window :
             std::initializer_list<QWidget*>{windows.test.get(), windows.calibrationInfo.get(),
                                             windows.bioCal.get(), windows.compatibility.get()}) {
            window->show();
            EXPECT_EQ(faultsOf(window), "") << window->objectName().toStdString();
            window->hide();
        }
    }
}

TEST(LayoutFit, TheLayoutsFacesAreMetricCompatibleSansFaces) {
    ui::substituteLayoutFonts();
    for (const char* family : {"Arial", "MS Sans Serif", "Tahoma"}) {
        const QFontInfo face{QFont(QString::fromLatin1(family))};
        EXPECT_EQ(face.family(), QStringLiteral("Liberation Sans")) << family;
    }
}

TEST(ProgramLanguage, QtsStandardButtonsSpeakTheProgramsLanguage) {
    const auto buttons = [] {
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    for (QAbstractButton* button : box->buttons()) {
                        shown << button->text();
                    }
                    box->reject();
                }
            }
        });
        QMessageBox::question(nullptr, QStringLiteral("Frage"), QStringLiteral("Weiter?"),
                              QMessageBox::Yes | QMessageBox::No);
        shown.sort();
        return shown;
    };
    // Qt's German comes with the source texts too, as the program always had it.
    const QStringList german = {QStringLiteral("&Ja"), QStringLiteral("&Nein")};
    ui::useLanguage(platform::Language::German);
    EXPECT_EQ(buttons(), german);
    ui::useLanguage(platform::Language::English);
    EXPECT_EQ(ui::programLanguage(), platform::Language::English);
    EXPECT_EQ(buttons(), QStringList({QStringLiteral("&No"), QStringLiteral("&Yes")}));
    ui::useLanguage(platform::Language::Source);
    EXPECT_EQ(buttons(), german);
    ui::dropLanguage();
    EXPECT_EQ(buttons(), QStringList({QStringLiteral("&No"), QStringLiteral("&Yes")}));
}

namespace {

// Opens a dialog with `open` and tells the modal dialog that came up, which
// is then cancelled.
struct ModalSeen {
    QWidget* parent = nullptr;
    bool staysOnTop = false;
    QString className;
};

ModalSeen modalOpenedBy(const std::function<void()>& open) {
    ModalSeen seen;
    QTimer::singleShot(0, [&seen] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen.parent = dialog->parentWidget();
            seen.staysOnTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            seen.className = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    open();
    return seen;
}

} // namespace

TEST(SettingsDialog, ItsFileAndColourDialogsOpenInFrontOfIt) {
    Program program;
    auto& settings = *program.windows->settings;
    settings.show();
    ASSERT_TRUE(settings.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    const QString before = settings.Label24->text();
    const ModalSeen file = modalOpenedBy([&] { settings.btnChooseCal->click(); });
    EXPECT_EQ(file.className, QStringLiteral("QFileDialog"));
    EXPECT_EQ(file.parent, &settings);
    EXPECT_TRUE(file.staysOnTop);
    EXPECT_EQ(settings.Label24->text(), before); // cancelled: nothing chosen

    const ModalSeen colour = modalOpenedBy([&] { settings.Change->click(); });
    EXPECT_EQ(colour.className, QStringLiteral("QColorDialog"));
    EXPECT_EQ(colour.parent, &settings);
    EXPECT_TRUE(colour.staysOnTop);

    // From the main window's menu the same file dialog belongs to the main window.
    const ModalSeen fromMenu =
        modalOpenedBy([&] { program.windows->main->LoadCalibration1->trigger(); });
    EXPECT_EQ(fromMenu.parent, program.windows->main.get());
    EXPECT_FALSE(fromMenu.staysOnTop);
}

TEST(SettingsDialog, ToolButtonsSayWhichProgramIsNotInstalled) {
    Program program;
    auto& settings = *program.windows->settings;
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());

    settings.Button2->click();
    settings.Button1->click();
    ASSERT_EQ(program.sim.messages->texts(),
              QStringList({QStringLiteral("Die Audio-Einstellungen des Systems können nicht "
                                          "geöffnet werden: Keines der Programme „pavucontrol“ "
                                          "und „gnome-control-center“ ist installiert."),
                           QStringLiteral("Die Joystick-Einstellungen des Systems können nicht "
                                          "geöffnet werden: Das Programm „jstest-gtk“ ist nicht "
                                          "installiert.")}));

    // An installed tool is started, without a word.
    program.sim.messages->clear();
    const QString marker = bin.filePath(QStringLiteral("started"));
    QFile tool(bin.filePath(QStringLiteral("jstest-gtk")));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(marker).toLocal8Bit());
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    settings.Button1->click();
    qputenv("PATH", oldPath);
    EXPECT_TRUE(program.sim.messages->texts().isEmpty());
    for (int waited = 0; waited < 100 && !QFile::exists(marker); ++waited) {
        QTest::qWait(50);
    }
    EXPECT_TRUE(QFile::exists(marker));
}
