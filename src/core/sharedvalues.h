#pragma once

#include <QStringList>
#include <QVariant>

// Values that live for the whole run and pass between windows.
struct SharedValues {
    // Total building weight P, tonnes, kept in single precision.
    float pesoEdificio = 0.0f;
    // Storey weights (tonnes) and heights above the foundation footing (m), as typed;
    // element 0 is storey 1.
    QStringList pesiPiani;
    QStringList quotePiani;
    // Storey whose distribution coefficient was computed: invalid (never set), an empty
    // string (cleared) or the storey number as typed.
    QVariant numeroPiano;
    // Distribution coefficient of that storey: invalid, an empty string, or a number.
    QVariant gammaPiano;
};
