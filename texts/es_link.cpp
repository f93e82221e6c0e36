// Spanish wordings of the port layer and the device read-out.
#include "texts/Sections.h"

namespace texts {

static const Entry kLinkTexts[] = {
    {"", "ERROR", "ERROR"},
    {"", "Could not open ", "No se pudo abrir "},
    {"", "Green light Not ON or Cutter Not Connected to ",
     "La luz verde no se encuentra encendida o el ploter no esta conectado a "},
    {"", "Green light Not ON or Plotter Not Connected to ",
     "La luz verde no se encuentra encendida o el ploter no esta conectado a "},
    {"", "Failed to set LPT timeouts!", "Expiración en el tiempo de espera!"},
    {"", "The parallel-port library ", "La biblioteca del puerto paralelo "},
    {"", " could not be loaded", " no se pudo cargar"},
    {"", " (looked in ", " (se buscó en "},
    {"", "the library search path)", "la ruta de búsqueda de bibliotecas)"},
    {"", " lacks the function ", " no tiene la función "},
    {"", "Communication Error", "Error de comunicación"},
    {"", "Framing Error", "Framing Error"},
    {"", "Xmit Buffer Full", " Banco de Memoria Saturado"},
    {"", "Access denied by Windows. ", "Acceso negado por Windows. "},
    {"", "Ensure No Other Program is using the port. ",
     "Verifique no hay otro programa utilizando el puerto serial. "},
    {"", " ( LPT Port is not ready ) ", " ( El Puerto Paralelo no esta disponible ) "},
    {"", " ( Time out period expired ) ", " ( Tiempo de espera ha terminado ) "},
    {"", "No Response", "No hay respuesta"},
    {"", "Wrong number of parameters returned.", "Numero equivocado de parámetros retornado."},
    {"", "Wrong Quorvane Model.", "Modelo Quorvane Incorrecto."},
    {"", "Please try ", "Por favor intente "},
    {"", "restarting the Taskhelm.", "reiniciar el Taskhelm."},
    // Model names are the same in both editions.
    {"", "Kelvaro R/V ", "Kelvaro R/V "},
    {"", "MarveskK Plotter/Cutter ", "MarveskK Plotter/Cutter "},
    {"", "Quorvane 520 ", "Quorvane 520 "},
    {"", "Quorvane 555LJ", "Quorvane 555LJ"},
};

std::span<const Entry> LinkTexts() { return kLinkTexts; }

}  // namespace texts
