// Spanish wordings of start-up and the INI file.
#include "texts/Sections.h"

namespace texts {

static const Entry kStartupTexts[] = {
    {"", "OK", "Aceptar"},
    {"", "Error reading INI file - Creating default file",
     "Error al leer el archivo INI - Creando archivo por omisión"},
    {"", "Error reading INI file - Using default settings, the file is left as it is",
     "Error al leer el archivo INI - Se usan los valores por omisión, el archivo queda como está"},
    {"", "Error # ", "Error # "},
    {"", "Input past end of file", "Lectura más allá del final del archivo"},
    {"", "Type mismatch", "Tipo de dato incorrecto"},
    {"", "Overflow", "Desbordamiento"},
    {"", "Permission denied", "Permiso denegado"},
    {"", "Not a regular file", "No es un archivo normal"},
    {"", "There is no settings window for this model. Please choose another model.",
     "No hay ventana de ajustes para este modelo. Por favor elija otro modelo."},
};

std::span<const Entry> StartupTexts() { return kStartupTexts; }

}  // namespace texts
