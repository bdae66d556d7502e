#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>

#include <memory>

class BrowserComponent;
class BrowserEngine;
class PageFetcher;

// The engine's module (browser/engine/): the page views on Qt WebEngine, in a
// library of their own that the program loads once its window is on the
// screen, so that the engine's libraries cost nothing before. Loaded at the
// first page view asked for, and kept for the life of the process.
class EngineModule {
public:
    // The module beside the program (build tree, portable folder), else in
    // the installed layout's library folder.
    static EngineModule forRunningProgram();
    // The first of these files that exists is loaded.
    explicit EngineModule(QStringList candidates);

    // A page view on the engine; none when the module cannot be loaded, and
    // whyNot then says why, in French.
    std::unique_ptr<BrowserComponent> makeBrowser(QString& whyNot);
    // The page downloader, likewise.
    std::unique_ptr<PageFetcher> makeFetcher(QString& whyNot);

    // Whether the engine is told to work without a GPU: it then hands its
    // pages over as pictures, and the program needs no OpenGL of its own.
    static bool drawsWithoutGpu();

private:
    BrowserEngine* load();

    QStringList m_candidates;
    std::unique_ptr<QPluginLoader> m_loader;
    BrowserEngine* m_engine = nullptr;
    QString m_failure;  // once tried and failed
};
