// Placeholder translation unit until the first Qt seam lands here.
namespace morella::piattaforma {
}
