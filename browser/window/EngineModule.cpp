#include "EngineModule.h"

#include "BrowserComponent.h"
#include "BrowserEngine.h"
#include "PageFetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>

#include <algorithm>

// Qt's own, exported for Qt WebEngine, which declares it the same way.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// Qt WebEngine reads the settings of the OpenGL context that every window
// shares, which the application makes as it starts when asked to (with a GPU,
// see main). Without a GPU the engine hands its pages over as pictures and
// draws nothing with OpenGL: a context left unmade serves, and no OpenGL
// library is loaded.
void giveSharedOpenGLContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    qt_gl_set_global_share_context(new QOpenGLContext(qApp));
}

}  // namespace

EngineModule EngineModule::forRunningProgram()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return EngineModule(
        {program.filePath(QStringLiteral(TAVRELLO_ENGINE_FILE)),
         QDir::cleanPath(program.filePath(QStringLiteral(TAVRELLO_ENGINE_FROM_PROGRAM "/" TAVRELLO_ENGINE_FILE)))});
}

EngineModule::EngineModule(QStringList candidates) : m_candidates(std::move(candidates)) {}

std::unique_ptr<BrowserComponent> EngineModule::makeBrowser(QString& whyNot)
{
    if (BrowserEngine* engine = load())
        return engine->makeBrowser();
    whyNot = m_failure;
    return nullptr;
}

std::unique_ptr<PageFetcher> EngineModule::makeFetcher(QString& whyNot)
{
    if (BrowserEngine* engine = load())
        return engine->makeFetcher();
    whyNot = m_failure;
    return nullptr;
}

bool EngineModule::drawsWithoutGpu()
{
    return qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(u' ').contains(QStringLiteral("--disable-gpu"));
}

BrowserEngine* EngineModule::load()
{
    if (m_engine || !m_failure.isEmpty())
        return m_engine;
    const auto found = std::find_if(m_candidates.cbegin(), m_candidates.cend(),
                                    [](const QString& path) { return QFileInfo(path).isFile(); });
    if (found == m_candidates.cend()) {
        m_failure = QStringLiteral("Le moteur d'affichage des pages est introuvable (cherché en %1) : Tavrello "
                                   "est sans doute mal installé. Réinstallez-le pour afficher les pages.")
                        .arg(m_candidates.join(QStringLiteral(" et ")));
        return nullptr;
    }
    giveSharedOpenGLContext();
    // Never unloaded: the engine's libraries cannot be.
    m_loader = std::make_unique<QPluginLoader>(*found);
    m_engine = qobject_cast<BrowserEngine*>(m_loader->instance());
    if (!m_engine) {
        m_failure = QStringLiteral("Le moteur d'affichage des pages (%1) ne se charge pas : il manque une "
                                   "bibliothèque de Qt WebEngine, ou le fichier vient d'une autre version de "
                                   "Tavrello. Réinstallez Tavrello pour afficher les pages. (%2)")
                        .arg(*found, m_loader->errorString());
    }
    return m_engine;
}
