// A desktop GL (compatibility profile) context on EGL's surfaceless
// platform, drawing into a framebuffer object: no X display, no window.
#include "semtela.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <tiffio.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "estado.h"
#include "janelas.h"
#include "mapageo.h"
#include "pngsave.h"
#include "texto.h"
#include "tiffsave.h"
#include "vistas.h"

namespace {

// The framebuffer-object entry points, looked up at run time.
struct FuncoesDoFbo {
    PFNGLGENFRAMEBUFFERSPROC geraFbos = nullptr;
    PFNGLBINDFRAMEBUFFERPROC ligaFbo = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC apagaFbos = nullptr;
    PFNGLGENRENDERBUFFERSPROC geraRbs = nullptr;
    PFNGLBINDRENDERBUFFERPROC ligaRb = nullptr;
    PFNGLDELETERENDERBUFFERSPROC apagaRbs = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC reservaRb = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC anexaRb = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC estadoDoFbo = nullptr;
    PFNGLFRAMEBUFFERPARAMETERIPROC parametroDoFbo = nullptr; // for GL_MESA_framebuffer_flip_y, if there

    template <class F>
    static bool busca(F& f, const char* nome) {
        f = reinterpret_cast<F>(eglGetProcAddress(nome));
        return f != nullptr;
    }
    bool buscaTodas() {
        return busca(geraFbos, "glGenFramebuffers") && busca(ligaFbo, "glBindFramebuffer") &&
               busca(apagaFbos, "glDeleteFramebuffers") && busca(geraRbs, "glGenRenderbuffers") &&
               busca(ligaRb, "glBindRenderbuffer") && busca(apagaRbs, "glDeleteRenderbuffers") &&
               busca(reservaRb, "glRenderbufferStorage") && busca(anexaRb, "glFramebufferRenderbuffer") &&
               busca(estadoDoFbo, "glCheckFramebufferStatus");
    }
    // Desktop GL takes the flip through glFramebufferParameteri (the
    // extension's MESA entry point is for GLES only).
    void buscaInversao() {
        const char* extensoes = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        if (extensoes && std::strstr(extensoes, "GL_MESA_framebuffer_flip_y"))
            busca(parametroDoFbo, "glFramebufferParameteri");
    }
};

// The context and its framebuffer, current from cria() until destruction.
class ContextoSemTela {
public:
    ContextoSemTela() = default;
    ContextoSemTela(const ContextoSemTela&) = delete;
    ContextoSemTela& operator=(const ContextoSemTela&) = delete;
    ~ContextoSemTela() {
        if (fbo != 0) {
            f.ligaFbo(GL_FRAMEBUFFER, 0);
            f.apagaFbos(1, &fbo);
            f.apagaRbs(2, rbs);
        }
        if (contexto != EGL_NO_CONTEXT) {
            eglMakeCurrent(tela, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(tela, contexto);
        }
        if (tela != EGL_NO_DISPLAY) eglTerminate(tela);
        eglReleaseThread();
    }

    // Empty when the context and a w x h framebuffer (RGBA8 and depth) are
    // current, else what failed.
    std::string cria(int w, int h) {
        tela = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (tela == EGL_NO_DISPLAY) return erroEgl("sem a plataforma surfaceless do Mesa");
        EGLint maior = 0, menor = 0;
        if (!eglInitialize(tela, &maior, &menor)) {
            tela = EGL_NO_DISPLAY;
            return erroEgl("eglInitialize");
        }
        if (!eglBindAPI(EGL_OPENGL_API)) return erroEgl("sem OpenGL no EGL");
        const EGLint atributos[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                    EGL_NONE};
        // No surface ever: a context without a config will do.
        contexto = eglCreateContext(tela, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, atributos);
        if (contexto == EGL_NO_CONTEXT) return erroEgl("eglCreateContext");
        if (!eglMakeCurrent(tela, EGL_NO_SURFACE, EGL_NO_SURFACE, contexto)) return erroEgl("eglMakeCurrent");
        if (!f.buscaTodas()) return "o OpenGL nao tem objetos de framebuffer";
        GLint maximo = 0;
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maximo);
        if (w > maximo || h > maximo)
            return "o OpenGL desenha no maximo " + std::to_string(maximo) + " pixels de lado";
        f.geraFbos(1, &fbo);
        f.ligaFbo(GL_FRAMEBUFFER, fbo);
        // Rows top first in memory, as a window's: Mesa then rasterizes as
        // in the window (a pixel centre on a cell's edge goes to the same
        // cell), where a plain framebuffer object differs by a pixel or so.
        f.buscaInversao();
        if (f.parametroDoFbo) f.parametroDoFbo(GL_FRAMEBUFFER, GL_FRAMEBUFFER_FLIP_Y_MESA, GL_TRUE);
        f.geraRbs(2, rbs);
        f.ligaRb(GL_RENDERBUFFER, rbs[0]);
        f.reservaRb(GL_RENDERBUFFER, GL_RGBA8, w, h);
        f.anexaRb(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, rbs[0]);
        f.ligaRb(GL_RENDERBUFFER, rbs[1]);
        f.reservaRb(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
        f.anexaRb(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, rbs[1]);
        if (f.estadoDoFbo(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return "framebuffer incompleto";
        glDrawBuffer(GL_COLOR_ATTACHMENT0);
        glReadBuffer(GL_COLOR_ATTACHMENT0);
        return "";
    }

private:
    static std::string erroEgl(const char* passo) {
        char codigo[16];
        std::snprintf(codigo, sizeof codigo, "0x%04x", static_cast<unsigned>(eglGetError()));
        return std::string(passo) + " (erro EGL " + codigo + ")";
    }

    EGLDisplay tela = EGL_NO_DISPLAY;
    EGLContext contexto = EGL_NO_CONTEXT;
    FuncoesDoFbo f;
    GLuint fbo = 0;
    GLuint rbs[2] = {0, 0};
};

} // namespace

int gravaImagemSemTela(const char* arquivo, bool png, int largura, int altura) {
    ContextoSemTela contexto;
    const std::string erro = contexto.cria(largura, altura);
    if (!erro.empty()) {
        std::fprintf(stderr, "vorlane: nao foi possivel desenhar sem tela: %s\n", erro.c_str());
        return 1;
    }
    // As display() draws the main window, at this size, with no pointer;
    // again once the map's towns are read, as the window does after its
    // first frame (iniciaTempo).
    resize(largura, altura);
    escondeLeitura(true);
    desenhaPrincipal();
    if (sitioMostrado().conhecido && completaCidades(sitioMostrado())) desenhaPrincipal();
    glFinish();
    return png ? gravaPng(arquivo, largura, altura)
               : writetiff(arquivo, "Arquivo gerado pelo OpenGL", 0, 0, largura, altura, COMPRESSION_LZW);
}
