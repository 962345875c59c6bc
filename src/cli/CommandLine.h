#pragma once
// The program's command line:
//
//   sumire [--demo] [--workdir DIR] [--archive DIR] [--zoom N] [--script FILE] [--lang ja|en|auto] [PAGE]
//   sumire render PAGE... [-o OUT] [--width W] [--scroll ROWS] [--phase 0|1]
//                 [--model 0|1|2] [--crop handset|lcd|window]
//   sumire export PAGE... -o DIR [--width W] [--text] [--fallback emoji|name]
//   sumire export --archive DIR [START...] -o DIR [--max-pages N] [...]
//   sumire --help | --version
//
// Parsing needs no application object, so help, version and errors are
// answered without a display.

#include "export/ArchiveExport.h"

#include <QString>
#include <QStringList>

namespace sumire {

enum class Crop { Window, Handset, Lcd };

struct RenderOptions {
    QStringList pages;  // local files or http(s) addresses
    QString out;        // the PNG for one page, the folder for several; empty: the current folder
    int width = 20;     // display width, 20 18 16 14 12 10
    int scroll = 0;     // scrollTop, reached with the "↓" button
    int phase = 0;      // blink phase
    int model = -1;     // handset model 0..2; -1 keeps the built-in handset
    Crop crop = Crop::Window;
    bool full = false;     // the whole page on a tall LCD; implies the LCD crop
    int scale = 1;         // each pixel drawn as scale x scale pixels
    bool animate = false;  // both blink phases, one a second, in an animated WebP
    int jobs = 0;          // worker processes; 0: one a processor core
    QString archive;       // --archive DIR: http addresses are answered from this saved copy
};

struct ProgramCommand {
    enum class Action { Viewer, Render, RenderWorker, Export, Help, Version, Error };
    Action action = Action::Viewer;
    QString script;    // --script FILE
    QString workDir;   // --workdir DIR
    QString archive;   // --archive DIR: http addresses are answered from this saved copy
    QString page;      // PAGE: a local file or an http(s) address to open first
    QString language;  // --lang: "ja", "en", "auto" (forget the one given before), or empty
    int zoom = 0;      // --zoom N, 1 to 4; 0: the stored zoom, else the desktop's
    QString restore;   // --restore FILE: the view a window at another zoom handed over
    bool demo = false;
    RenderOptions render;
    ExportOptions exportOptions;
    QString message;  // the help text, or why the command line was refused
};

// `sumire render-worker OPTIONS...`: a worker of `render -j N` (RenderWorkers.h).
inline constexpr char kRenderWorkerCommand[] = "render-worker";

// `arguments` as QCoreApplication::arguments() gives them, program first.
ProgramCommand parseCommandLine(const QStringList& arguments);

}  // namespace sumire
