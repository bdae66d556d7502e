#pragma once

#include <stdexcept>
#include <string>

namespace uninst {

// A failure the uninstaller does not recover from: it ends the work phase, and the
// program then shows its text under "Erreur de l'application" and exits with code 1.
// Ordinary failures (a file that will not go, a key that cannot be opened) are results,
// never this.
class UnexpectedFailure : public std::runtime_error {
public:
    explicit UnexpectedFailure(const std::string& message) : std::runtime_error(message) {}

    // Texts shared by the core and the platform adapters.
    static UnexpectedFailure CannotOpenFile(const std::string& path)
    {
        return UnexpectedFailure("Ne peut ouvrir le fichier " + path);
    }
    static UnexpectedFailure CannotWriteTo(const std::string& path)
    {
        return UnexpectedFailure("Ne peut \xE9"
                                 "crire dans " +
                                 path);  // "écrire", Windows-1252
    }
    static UnexpectedFailure InvalidValueType(const std::string& valueName)
    {
        return UnexpectedFailure("Type de donn\xE9"
                                 "es incorrect pour '" +
                                 valueName + "'");
    }
    static UnexpectedFailure CannotSetValue(const std::string& valueName)
    {
        return UnexpectedFailure("Impossible d'\xE9"
                                 "crire la valeur '" +
                                 valueName + "'");
    }
};

}  // namespace uninst
