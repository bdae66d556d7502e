#include "PreferredAddressMember.h"

namespace {

// The three address dialogs start on "Parcourir", the error-page dialog on
// the address box; kept: users rely on this keyboard order.
constexpr std::array<const char*, 9> browseFirst{"Command4", "Command2", "Command1", "Text2", "opt2",
                                                 "opt1",     "Text1",    "Label2",   "Label1"};
constexpr std::array<const char*, 9> addressFirst{"Text1", "Label1",   "opt1",     "opt2",    "Label2",
                                                  "Text2", "Command1", "Command2", "Command4"};

}  // namespace

namespace preferred_address {

const PreferredAddressMember site{"f_site",
                                  "Choisissez votre site préféré",
                                  5790,
                                  3195,
                                  120,
                                  120,
                                  browseFirst,
                                  data_files::site,
                                  &Variables::url_site};

const PreferredAddressMember home{
    "f_home", "Choisissez votre page d'accueil", 5640, 3195, 0, 0, browseFirst, data_files::home, &Variables::url_home};

const PreferredAddressMember moteur{"f_moteur",
                                    "Choisissez votre moteur de recherche préféré",
                                    5580,
                                    3195,
                                    0,
                                    240,
                                    browseFirst,
                                    data_files::moteur,
                                    &Variables::url_moteur};

const PreferredAddressMember erreur{"f_erreur",
                                    "Personnalisation de l'erreur 404",
                                    6360,
                                    2760,
                                    0,
                                    -360,
                                    addressFirst,
                                    data_files::erreur404,
                                    &Variables::url_erreur404};

}  // namespace preferred_address
