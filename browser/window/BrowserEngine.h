#pragma once

#include <QtPlugin>

#include <memory>

class BrowserComponent;

// What the engine's module gives the program: page views on the engine.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    // A page view, not yet placed in a window.
    virtual std::unique_ptr<BrowserComponent> makeBrowser() = 0;
};

#define TAVRELLO_BROWSER_ENGINE_IID "org.tavrello.BrowserEngine/1"
Q_DECLARE_INTERFACE(BrowserEngine, TAVRELLO_BROWSER_ENGINE_IID)
