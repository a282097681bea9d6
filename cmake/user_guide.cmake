# The user guide as one HTML page with its pictures embedded, beside the
# program (docs/user-guide.html), where Help in the program opens it and
# from where the packages take it. Made with pandoc (Debian's package, which
# scripts/setup installs).
find_program(CORVEL_PANDOC pandoc)
set(CORVEL_USER_GUIDE_HTML ${CMAKE_BINARY_DIR}/docs/user-guide.html)
if(CORVEL_PANDOC)
    file(GLOB CORVEL_GUIDE_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/screenshots/*.png)
    add_custom_command(
        OUTPUT ${CORVEL_USER_GUIDE_HTML}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/docs
        # --self-contained embeds the pictures (found beside the guide) as
        # data, so the page is one file that works wherever it is copied.
        COMMAND ${CORVEL_PANDOC} user-guide.md --from markdown+gfm_auto_identifiers --to html5 --standalone
                --self-contained --resource-path=. --metadata pagetitle="Corvel Config user guide"
                --css=${PROJECT_SOURCE_DIR}/docs/user-guide.css
                --output ${CORVEL_USER_GUIDE_HTML}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/docs
        DEPENDS ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_SOURCE_DIR}/docs/user-guide.css
                ${CORVEL_GUIDE_PICTURES}
        COMMENT "User guide as HTML"
        VERBATIM)
    add_custom_target(user_guide_html ALL DEPENDS ${CORVEL_USER_GUIDE_HTML})
else()
    message(WARNING "pandoc not found: the user guide is not made as HTML, and Help in the "
                    "program will say that it is missing (./scripts/setup installs pandoc)")
endif()
