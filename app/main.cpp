#include "app/AlbumApp.h"
#include "app/CommandLine.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char **argv)
{
    {
        // --help, --version and wrong usage answer without a display; Qt's own options
        // (-platform ...) are taken out by the windowed application.
        QCoreApplication plain(argc, argv);
        const CommandLine early = ReadCommandLine(plain.arguments(), false);
        if (early.outcome != CommandLine::Outcome::Run)
            return AnswerCommandLine(early);
    }
    QApplication application(argc, argv);
    const CommandLine commandLine = ReadCommandLine(application.arguments(), true);
    if (commandLine.outcome != CommandLine::Outcome::Run)
        return AnswerCommandLine(commandLine);
    CAlbumApp theApp;
    return theApp.InitInstance(commandLine.fileToOpen);
}
