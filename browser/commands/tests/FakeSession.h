#pragma once

#include "BrowserSession.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeInputBox.h"
#include "FakeMessageBox.h"
#include "PageFetcher.h"

#include <memory>

// A whole browser session on fake page views, dialogs and messages, with a
// real page fetcher. The fakes stay reachable for the test after the session
// took them over.
struct FakeSession {
    explicit FakeSession(const QString& programFolder)
    {
        auto pageView = std::make_unique<FakeBrowserComponent>();
        auto messageBox = std::make_unique<FakeMessageBox>();
        auto fileDialog = std::make_unique<FakeFileDialog>();
        wb1 = pageView.get();
        messages = messageBox.get();
        cd1 = fileDialog.get();
        session = std::make_unique<BrowserSession>(BrowserSession::Parts{
            .folder = ProgramFolder(programFolder),
            .pageView = std::move(pageView),
            .bannerStrip = std::make_unique<FakeBrowserComponent>(),
            .messages = std::move(messageBox),
            .cd1 = std::move(fileDialog),
            .makeFileDialog = [] { return std::make_unique<FakeFileDialog>(); },
            .input = std::make_unique<FakeInputBox>(),
            .inet1 = std::make_unique<PageFetcher>(),
        });
    }

    FakeBrowserComponent* wb1 = nullptr;
    FakeMessageBox* messages = nullptr;
    FakeFileDialog* cd1 = nullptr;
    std::unique_ptr<BrowserSession> session;
};
