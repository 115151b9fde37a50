// The map outline around the BRU radar: nine polylines in map units.
#include "mapa.h"

#include <GL/gl.h>

#include "estado.h"

namespace {

struct Vertice {
    float px, py; // map units: the map frame is (px / 585, py / 557)
};

// Each polyline ends with the sentinel {0, 0}, which no vertex uses.
const Vertice CONTORNO[] = {
    // 1 (closed: its last vertex repeats the first)
    {-103, 179.43f}, {-55, 185}, {-15, 181}, {13, 165}, {45, 159}, {87, 171}, {101, 165}, {119, 173},
    {151, 157}, {159, 137}, {159, 117}, {165, 89}, {189, 75}, {199, 45}, {195, 5}, {217, -33},
    {247, -29}, {321, -3}, {333, -15}, {355, -19}, {351, -43}, {331, -47}, {323, -65}, {277, -107},
    {259, -105}, {201, -127}, {119, -187}, {109, -205}, {93, -213}, {65, -183}, {21, -171}, {21, -145},
    {1, -123}, {-15, -61}, {-123, -23}, {-237, -11}, {-195, 31}, {-131, 145}, {-119, 155}, {-103, 179.43f},
    {0, 0},
    // 2
    {321, -3}, {449, 29}, {495, 61}, {525, 115}, {547, 91}, {585, 83}, {583, 35}, {523, 0}, {515, 0},
    {441, -41}, {421, -47}, {351, -43}, {0, 0},
    // 3
    {-103, 179.43f}, {-99, 219}, {-59, 261}, {45, 297}, {109, 291}, {147, 323}, {141, 369}, {155, 411},
    {145, 427}, {149, 465}, {177, 493}, {0, 0},
    // 4
    {-99, 219}, {-235, 279}, {-237, 299}, {-255, 317}, {-257, 357}, {-243, 399}, {-107, 557}, {0, 0},
    // 5
    {93, -213}, {53, -281}, {-37, -277}, {-115, -289}, {-137, -319}, {-287, -293}, {-309, -245},
    {-351, -239}, {-333, -125}, {-291, -61}, {-283, -43}, {-237, -11}, {0, 0},
    // 6
    {-255, 317}, {-292.5f, 327}, {-309, 355}, {-375, 347}, {-455, 379}, {0, 0},
    // 7
    {-333, -125}, {-363, -111}, {-403, -117}, {-435, 1}, {-585, 29}, {0, 0},
    // 8
    {53, -281}, {67, -383}, {61, -438.7f}, {29, -481}, {-19, -525}, {-21, -525}, {-65, -457},
    {-175, -379}, {-299, -359}, {-287, -293}, {0, 0},
    // 9
    {-299, -359}, {-519, -557}, {0, 0},
};

constexpr float UNIDADES_X = 585, UNIDADES_Y = 557; // map units per map-frame unit
constexpr float ESCALA_DO_MAPA = 1.813f;            // map frame -> scan frame
constexpr float DESLOCAMENTO_X = -0.0517f, DESLOCAMENTO_Y = 0.032f; // map frame

bool sentinela(const Vertice& v) { return v.px == 0 && v.py == 0; }

} // namespace

void drawMapa() {
    glLineWidth(1);
    glColor3f(0, 0, 0);
    glPushMatrix();
    glScalef(ESCALA_DO_MAPA, ESCALA_DO_MAPA, 0);
    glTranslatef(DESLOCAMENTO_X, DESLOCAMENTO_Y, 0);
    bool aberta = false;
    for (const Vertice& v : CONTORNO) {
        if (sentinela(v)) {
            glEnd();
            aberta = false;
            continue;
        }
        if (!aberta) {
            glBegin(GL_LINE_STRIP);
            aberta = true;
        }
        glVertex3f(v.px / UNIDADES_X, v.py / UNIDADES_Y, 0);
    }
    glPopMatrix();
}
