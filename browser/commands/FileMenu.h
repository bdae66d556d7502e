#pragma once

struct Menu;

// "&Fichier": the page-source viewer, saving the current page's source,
// opening a local file in the page view, and quitting.
const Menu& fileMenu();
