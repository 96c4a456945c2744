#include "ui/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tavo::ui {

namespace {

struct Installed {
    platform::Language language = platform::Language::Source;
    std::vector<std::unique_ptr<QTranslator>> catalogues;
};

Installed& installed() {
    static Installed current;
    return current;
}

std::vector<std::unique_ptr<QTranslator>> qtGerman() {
    std::vector<std::unique_ptr<QTranslator>> found;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_de", "qt_de"}) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(QString::fromLatin1(name), folder)) {
            found.push_back(std::move(catalogue));
        }
    }
    return found;
}

} // namespace

void dropLanguage() {
    Installed& current = installed();
    for (const auto& catalogue : current.catalogues) {
        QCoreApplication::removeTranslator(catalogue.get());
    }
    current.catalogues.clear();
    current.language = platform::Language::Source;
}

void useLanguage(platform::Language language) {
    dropLanguage();
    Installed& current = installed();
    if (language != platform::Language::English) {
        current.catalogues = qtGerman();
    }
    if (auto own = platform::loadCatalogue(language)) {
        current.catalogues.push_back(std::move(own));
    }
    // Installed last, the program's own catalogue is asked first.
    for (const auto& catalogue : current.catalogues) {
        QCoreApplication::installTranslator(catalogue.get());
    }
    current.language = language;
}

platform::Language programLanguage() {
    return installed().language;
}

} // namespace tavo::ui
