# Outside web hosts and deployment values of the browser, gathered in one place.
# Each is a cache variable: override at configure time, e.g.
#   cmake --preset dev -DTAVRELLO_MAKER_HOST=www.example.org
# Defaults lie in the reserved .test domain, so nothing reaches a real site by accident.

set(TAVRELLO_MAKER_HOST "server.dovrane.test" CACHE STRING
    "Maker's web server: banner picture and directory search script")
set(TAVRELLO_DIRECTORY_HOST "www.dovrane.test" CACHE STRING
    "Dovrane directory site, opened from the banner strip and the about window")
set(TAVRELLO_FERROVANE_HOST "meta.ferrovane.test" CACHE STRING "Ferrovane meta-search host")
set(TAVRELLO_QUILLABO_HOST "www.quillabo.test" CACHE STRING "Quillabo host")
set(TAVRELLO_BRUMOLO_HOST "www.brumolo.test" CACHE STRING "First Brumolo host (web-master sites)")
set(TAVRELLO_BRUMOLO_FR_HOST "francophone.brumolo.test" CACHE STRING "Second Brumolo host (French-language web)")
set(TAVRELLO_TESSALY_HOST "www.tessaly.test" CACHE STRING "Tessaly directory of useful sites")
set(TAVRELLO_ANNUPROG_HOST "programmation.annuaire.test" CACHE STRING "Directory of programming sites")
set(TAVRELLO_EXGBAN_HOST "www.echange-bannieres.test" CACHE STRING "One-for-one banner exchange")
set(TAVRELLO_ANNUPART_HOST "partenaires.annuaire.test" CACHE STRING "Directory of sites looking for partners")
set(TAVRELLO_ANNUFREE_HOST "gratuits.annuaire.test" CACHE STRING "Directory of free sites")
set(TAVRELLO_FREEREFER_HOST "www.referencement.test" CACHE STRING "Free site-referencing service")
set(TAVRELLO_PORTAIL_HOST "www.portail-francophone.test" CACHE STRING "General French-language portal")
set(TAVRELLO_CLSITES_HOST "www.classement.test" CACHE STRING "Classification of sites")
set(TAVRELLO_HELP_HOST "aide.tavrello.test" CACHE STRING "The program's help site")
set(TAVRELLO_SYSTEM_HOME "http://accueil.tavrello.test/" CACHE STRING
    "Start page behind the browser component's GoHome")
set(TAVRELLO_SYSTEM_SEARCH "http://recherche.tavrello.test/" CACHE STRING
    "Search page behind the browser component's GoSearch")
set(TAVRELLO_AUTHOR_NAME "Camille Vernet" CACHE STRING "Author's name shown in the about window")
set(TAVRELLO_AUTHOR_EMAIL "camille.vernet@dovrane.test" CACHE STRING "Author's e-mail address shown in the about window")

set(TAVRELLO_GENERATED_DIR "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/Endpoints.h.in" "${TAVRELLO_GENERATED_DIR}/Endpoints.h" @ONLY)

add_library(tavrello_endpoints INTERFACE)
target_include_directories(tavrello_endpoints INTERFACE "${TAVRELLO_GENERATED_DIR}")
