#pragma once

#include "DataFiles.h"
#include "Variables.h"

#include <QString>

#include <array>

// What sets one preferred-address dialog apart from the others of its family.
// Geometry is in twips; the controls' positions are those of the home-page
// dialog plus the offset.
struct PreferredAddressMember {
    const char* formName;
    const char* caption;  // UTF-8
    int clientWidth;
    int clientHeight;
    int offsetAcross;
    int offsetDown;
    // Control names, first to take the focus first.
    std::array<const char*, 9> tabOrder;
    const data_files::Entry& file;
    QString Variables::*variable;
};

namespace preferred_address {

extern const PreferredAddressMember site;
extern const PreferredAddressMember home;
extern const PreferredAddressMember moteur;
extern const PreferredAddressMember erreur;

}  // namespace preferred_address
