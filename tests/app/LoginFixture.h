#pragma once

#include "FakeWorkstationSources.h"
#include "RecordingSeams.h"
#include "RecordingSound.h"
#include "ScriptedPresenter.h"
#include "TestServer.h"

#include <QTemporaryDir>

/// What a login needs around it: a real server on free ports, private settings and data
/// folders, this machine's identity from fake sources, and recording message, sound, shell
/// and process-end seams. The addresses of the server reach the client through the environment.
struct LoginFixture
{
    /// The identity the fake sources make: the disk serial without its spaces.
    static constexpr const char* Identity = "LOGINTEST1";

    explicit LoginFixture(const QStringList& serverArgs = {});
    ~LoginFixture();

    /// Binds this workstation to a demo user; false when the server refused.
    bool bindTo(const QString& user);
    QString settingsPath() const;

    QTemporaryDir configHome;
    TestServer server;
    FakeWorkstationSources sources;
    ScriptedPresenter presenter;
    RecordingSeams seams;
    RecordingSound sound;
};
