#include "ProtectedList.h"

#include <set>

#include "guards/ProtectedKeys.h"
#include "guards/StandardFolders.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

// A default installation's path of the folder, for the profile C:\Users\<name>.
std::string Shown(const char* path)
{
    std::string shown = path;
    if (const auto at = shown.find("%P\\.."); at != std::string::npos)
        shown.replace(at, 5, "C:\\Users");
    if (const auto at = shown.find("%P"); at != std::string::npos)
        shown.replace(at, 2, "C:\\Users\\<name>");
    return shown;
}

}  // namespace

std::string ProtectedList(bool french)
{
    std::string list = french ? "Dossiers (Windows Vista et suivants, puis les syst\xE8mes d'avant ;\n"
                                "chaque dossier directement dans C:\\Users aussi) :\n"
                              : "Folders (Windows Vista and later, then the systems before;\n"
                                "each folder directly in C:\\Users too):\n";
    std::set<std::string> shown;
    for (const bool older : {false, true}) {
        for (const StandardFolder& folder : kStandardFolders) {
            const std::string path = Shown(older ? folder.windowsDefault : folder.profileDefault);
            if (!path.empty() && shown.insert(LowerAscii(path)).second)
                list += "  " + path + "\n";
        }
    }
    list += french ? "Cl\xE9s, avec celles qui les contiennent (HKLM, HKCU : sous cette racine ;\n"
                     "SOFTWARE : sous HKEY_LOCAL_MACHINE\\SOFTWARE et HKEY_CURRENT_USER\\Software ;\n"
                     "CLASSES : sous HKEY_CLASSES_ROOT et les cl\xE9s Software\\Classes ;\n"
                     "chaque cl\xE9 directement sous HKEY_LOCAL_MACHINE ou HKEY_USERS aussi) :\n"
                   : "Keys, with the keys that hold them (HKLM, HKCU: under that root;\n"
                     "SOFTWARE: under HKEY_LOCAL_MACHINE\\SOFTWARE and HKEY_CURRENT_USER\\Software;\n"
                     "CLASSES: under HKEY_CLASSES_ROOT and the Software\\Classes keys;\n"
                     "each key directly under HKEY_LOCAL_MACHINE or HKEY_USERS too):\n";
    for (const std::string_view row : ProtectedKeyRows())
        list += "  " + std::string(row) + "\n";
    list += french ? "Valeurs (cl\xE9\\nom ; une application qui y a ajout\xE9 ne peut pas les supprimer) :\n"
                   : "Values (key\\name; an application that added to one cannot delete it):\n";
    for (const std::string_view row : ProtectedValueRows())
        list += "  " + std::string(row) + "\n";
    return list;
}

}  // namespace uninst
