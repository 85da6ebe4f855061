// velomatix: the program. Creates the process-wide data and the windows, then runs the loop.
#include <QDir>
#include <QStringList>
#include <clocale>

#include "analysis/ui/tform400.h"
#include "app/startup.h"
#include "app/ui/application.h"
#include "app/ui/help_window.h"
#include "app/ui/tform1.h"
#include "import/ui/tform570.h"
#include "trip/paths.h"

int main(int argc, char** argv) {
    vx::Application qapp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // numbers are parsed and printed with a decimal point
    qapp.setApplicationName(QString::fromLatin1(vx::kAppTitle));

    QStringList args = qapp.arguments();
    args.removeFirst();
    std::optional<std::string> data_option;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data_option = args[++i].toStdString();
        else
            rest << args[i];
    }

    vx::AppState app;
    app.start_file = rest.join(QLatin1Char(' ')).toStdString();
    vx::StartUp(app, vx::ResolveDataRoot(data_option, vx::ExecutableDir()));
    vx::InstallHelpPages(app.trips.paths);

    vx::TForm9 help;
    vx::TForm1 main_window(app, &help);
    vx::TForm400 power_model(app, &main_window);
    vx::TForm570 fit_import(app);

    fit_import.openPowerModelSettings = [&] {
        power_model.setParameterOnly(true);
        power_model.move(fit_import.pos());
        power_model.exec();
    };
    fit_import.onClosed = [&] { main_window.flushInfo(); };
    main_window.importers[vx::DataSource::Fit] = [&] { fit_import.start(); };

    main_window.show();
    return qapp.exec();
}
