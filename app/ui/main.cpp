// velomatix: the program. Creates the process-wide data and the windows, then runs the loop.
#include <QDir>
#include <QStringList>
#include <clocale>

#include <cstdio>
#include "analysis/ui/tform400.h"
#include "app/language_file.h"
#include "app/startup.h"
#include "app/ui/application.h"
#include "app/ui/help_window.h"
#include "app/ui/tform1.h"
#include "diary/ui/tform3.h"
#include "import/ui/import_window.h"
#include "import/ui/tform570.h"
#include "trip/paths.h"
#include "views/ui/tform30.h"

int main(int argc, char** argv) {
    vx::Application qapp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // numbers are parsed and printed with a decimal point
    qapp.setApplicationName(QString::fromLatin1(vx::kAppTitle));

    QStringList args = qapp.arguments();
    args.removeFirst();
    std::optional<std::string> data_option;
    QStringList rest, render;
    QString render_size = QStringLiteral("1600x900");
    bool render_distance = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data_option = args[++i].toStdString();
        else if (args[i] == QLatin1String("--render") && i + 2 < args.size()) {
            render << args[i + 1] << args[i + 2];
            i += 2;
        } else if (args[i] == QLatin1String("--size") && i + 1 < args.size())
            render_size = args[++i];
        else if (args[i] == QLatin1String("--distance"))
            render_distance = true;
        else
            rest << args[i];
    }

    vx::AppState app;
    app.start_file = rest.join(QLatin1Char(' ')).toStdString();
    vx::StartUp(app, vx::ResolveDataRoot(data_option, vx::ExecutableDir()));

    if (!render.isEmpty()) {
        // velomatix --render FILE.DEO OUT.png [--size WxH] [--distance]: the view as a picture
        const QStringList wh = render_size.split(QLatin1Char('x'));
        const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
        if (w < 100 || h < 100 || w > 10000 || h > 10000) {
            std::fprintf(stderr, "velomatix: --size needs WxH between 100 and 10000, not %s\n",
                         qPrintable(render_size));
            return 2;
        }
        std::string message;
        if (!vx::RenderTripView(app, render[0].toStdString(), render[1].toStdString(), w, h,
                                render_distance, &message)) {
            std::fprintf(stderr, "velomatix: %s\n", message.c_str());
            return 2;
        }
        return 0;
    }
    vx::InstallHelpPages(app.trips.paths);

    vx::TForm9 help;
    vx::TForm1 main_window(app, &help);
    vx::TForm400 power_model(app, &main_window);
    vx::TForm570 fit_import(app);
    vx::TForm3 diary(app);
    vx::TForm30 trip_view(app);
    vx::TForm540 hrm_import(app);
    vx::TForm560 srm_import(app);
    vx::TForm510 tcx_import(app);

    fit_import.openPowerModelSettings = [&] {
        power_model.setParameterOnly(true);
        power_model.move(fit_import.pos());
        power_model.exec();
    };
    bool closing = false;
    auto open_diary = [&] {
        if (closing) return;
        main_window.flushInfo();
        diary.openFromMainWindow();
    };
    fit_import.onClosed = open_diary;
    main_window.openDiary = open_diary;
    diary.openTripView = [&](const std::string& path, const QString& title) {
        trip_view.showTrip(path, title, true);
    };
    diary.showHelpPage = [&](int page) {
        const std::string file = vx::HelpPagePath(app.trips.paths, app.settings.language, page,
                                                  app.settings.data_source);
        if (!file.empty()) help.ShowPageFile(QString::fromStdString(file));
    };
    trip_view.openDiary = [&] {
        diary.show();
        diary.raise();
        diary.activateWindow();
    };
    main_window.importers[vx::DataSource::Fit] = [&] { fit_import.start(); };
    for (vx::ImportWindow* w :
         {static_cast<vx::ImportWindow*>(&hrm_import), static_cast<vx::ImportWindow*>(&srm_import),
          static_cast<vx::ImportWindow*>(&tcx_import)}) {
        w->openPowerModelSettings = [&power_model, w] {
            power_model.setParameterOnly(true);
            power_model.move(w->pos());
            power_model.exec();
        };
        w->onClosed = open_diary;
    }
    main_window.importers[vx::DataSource::Hrm] = [&] { hrm_import.start(); };
    main_window.importers[vx::DataSource::Srm] = [&] { srm_import.start(); };
    main_window.importers[vx::DataSource::Tcx] = [&] { tcx_import.start(); };
    main_window.openTripView = [&] {
        const std::string path = vx::StartFilePath(app.start_file);
        trip_view.showTrip(path, QString::fromStdString(path), false);
    };

    // the program ends with its main window, whatever else is open
    QList<QWidget*> others = {&help,       &diary,      &trip_view,  &fit_import,
                              &hrm_import, &srm_import, &tcx_import, &power_model};
    for (QWidget* w : others) w->setAttribute(Qt::WA_QuitOnClose, false);
    main_window.onClosing = [others, &closing] {
        closing = true;
        for (QWidget* w : others)
            if (w->isVisible()) w->close();
    };

    main_window.show();
    return qapp.exec();
}
