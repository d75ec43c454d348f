// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read with QCommandLineParser; the texts are the game's, in the
// player's language, so the help is laid out here rather than by the parser, whose
// headings are Qt's.
#include "CommandLine.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "Translate.h"
#include "game/Texts.h"

#ifndef BATONNETS_VERSION
#error "BATONNETS_VERSION is set by game/CMakeLists.txt from the project's version"
#endif

namespace batonnets {

namespace {

// Described in helpText(): a translation is looked up once the program runs, not while
// these are made.
const QCommandLineOption Help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption Version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption HighContrast(QStringLiteral("high-contrast"));

// "-platform" is one option, as Qt reads it, and not the letters -p -l -a -t…: "-reverse"
// would otherwise ask for the version.
void configure(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(Help);
    parser.addOption(Version);
    parser.addOption(HighContrast);
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

QString helpText() {
    QStringList lines{translated(texts::HelpUsage), translated(texts::Description), QString(),
                      translated(texts::HelpOptions)};
    QList<QPair<QString, QString>> rows; // "-h, --help", what it does
    qsizetype width = 0;
    const std::pair<const QCommandLineOption&, const char*> options[] = {
        {Help, texts::OptionHelp},
        {Version, texts::OptionVersion},
        {HighContrast, texts::OptionHighContrast}};
    for (const auto& [option, description] : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        rows.append({names.join(QStringLiteral(", ")), translated(description)});
        width = std::max(width, rows.last().first.size());
    }
    for (const auto& [names, description] : rows)
        lines << QStringLiteral("  %1  %2").arg(names, -int(width)).arg(description);
    lines << QString() << translated(texts::HelpQtOptions);
    return lines.join(QLatin1Char('\n'));
}

// The argument as it was typed (-x, --x or --x=value) for an option the parser names x.
QString asTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare.section(QLatin1Char('='), 0, 0) == name) return argument;
    }
    return name;
}

} // namespace

std::optional<int> answerInformationRequest(int argc, char* argv[]) {
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    QCommandLineParser parser;
    configure(parser);
    // Qt's options are still in argv and count as unknown here; only the two questions
    // matter at this point.
    (void)parser.parse(arguments);
    if (parser.isSet(Help)) {
        print(stdout, helpText());
        return 0;
    }
    if (parser.isSet(Version)) {
        print(stdout, QStringLiteral("batonnets " BATONNETS_VERSION "\n") +
                          translated(texts::VersionLicence));
        return 0;
    }
    return std::nullopt;
}

bool highContrastAsked(const QStringList& arguments) {
    QCommandLineParser parser;
    configure(parser);
    (void)parser.parse(arguments);
    return parser.isSet(HighContrast);
}

bool onlyKnownArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    configure(parser);
    (void)parser.parse(arguments);
    QString mistake;
    if (!parser.unknownOptionNames().isEmpty())
        mistake = translated(texts::UnknownOption)
                      .arg(asTyped(arguments, parser.unknownOptionNames().first()));
    else if (!parser.positionalArguments().isEmpty())
        mistake = translated(texts::UnexpectedArgument).arg(parser.positionalArguments().first());
    if (mistake.isEmpty()) return true;
    print(stderr, mistake + QLatin1Char('\n') + translated(texts::TryHelp));
    return false;
}

} // namespace batonnets
