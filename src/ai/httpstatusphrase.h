#pragma once

#include <QString>

// The standard reason phrase of an HTTP status code in lower case ("not found"), used when a
// failing server says nothing itself; codes without a phrase of their own get their class's.
QString httpStatusPhrase(int statusCode);
