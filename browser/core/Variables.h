#pragma once

#include <QString>

// The four shared addresses, one instance for the whole program (owned by the
// browser session; the main window and the commands share it). Each agrees with line 1 of its data file after every change.
struct Variables {
    QString url_home;       // home.txt
    QString url_site;       // site.txt
    QString url_moteur;     // moteur.txt
    QString url_erreur404;  // erreur404.txt; empty switches the error-page replacement off
};
