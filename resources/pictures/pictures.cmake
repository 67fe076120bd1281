# SPDX-License-Identifier: GPL-3.0-or-later
# The program's pictures, each drawn from its source here by zut-draw while
# the program is built. Included by src/CMakeLists.txt, so that the drawn
# files come from the directory whose resource target embeds them.
set(picture_sources ${PROJECT_SOURCE_DIR}/resources/pictures)
set(ZUT_PICTURE_DIR ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(ZUT_PICTURE_FILES)
set(draw ${ZUT_TOOL_RUN} $<TARGET_FILE:zut-draw>)

# A button picture or icon: NAME is drawn from SOURCE at WIDTH × HEIGHT in
# BITS (24 or 8) bits a pixel.
function(zut_bitmap name source width height bits)
    set(output ${ZUT_PICTURE_DIR}/${name})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ZUT_PICTURE_DIR}
        COMMAND ${draw} bitmap ${picture_sources}/${source} ${output} ${width} ${height} ${bits}
        DEPENDS zut-draw ${picture_sources}/${source}
        COMMENT "Drawing ${name}"
        VERBATIM)
    set(ZUT_PICTURE_FILES ${ZUT_PICTURE_FILES} ${output} PARENT_SCOPE)
endfunction()

zut_bitmap(check.bmp check.svg 32 32 24)
zut_bitmap(cross.bmp cross.svg 26 26 24)
zut_bitmap(question.bmp question.svg 32 32 24)
zut_bitmap(sheet.bmp sheet.svg 41 39 24)
zut_bitmap(pen.bmp pen.svg 31 33 24)
zut_bitmap(back.bmp back.svg 32 32 8)
zut_bitmap(explain.bmp explain.svg 32 32 24)
zut_bitmap(paper-icon.bmp paper-icon.svg 32 32 24)

# The title window's background, 512 × 510, its title set in C059.
set(title_font ${ZUT_FONT_BASE}/C059-BdIta.otf)
add_custom_command(OUTPUT ${ZUT_PICTURE_DIR}/title.jpg
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZUT_PICTURE_DIR}
    COMMAND ${draw} title ${picture_sources}/books.svg ${title_font} ${ZUT_PICTURE_DIR}/title.jpg
    DEPENDS zut-draw ${picture_sources}/books.svg ${title_font}
    COMMENT "Drawing title.jpg"
    VERBATIM)
list(APPEND ZUT_PICTURE_FILES ${ZUT_PICTURE_DIR}/title.jpg)

# zut_add_content_pictures(TARGET NAME CONTENT...): embeds in TARGET, under
# /pictures, the pictures of the content files. The tool reads each file,
# draws its pictures and writes the resource file that lists them; rcc
# compiles the lists into one source, resource NAME, so no list of a
# paper's pictures is kept here. Without Qt Svg (the Windows build) each
# drawing is listed as the QPicture recording the tool makes of it, under
# the drawing's own name, so that the program and the content name the same
# resource on every platform.
function(zut_add_content_pictures target name)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(sources ${PROJECT_SOURCE_DIR}/resources/pictures)
    set(record)
    if(NOT TARGET Qt6::Svg)
        set(record record)
    endif()
    file(GLOB drawings CONFIGURE_DEPENDS ${sources}/*.svg ${sources}/*/*.svg)
    set(lists)
    foreach(content IN LISTS ARGN)
        get_filename_component(paper ${content} NAME_WE)
        set(list ${out}/lists/${paper}.qrc)
        add_custom_command(OUTPUT ${list}
            COMMAND ${ZUT_TOOL_RUN} $<TARGET_FILE:zut-draw> content ${content} ${out}/drawn
                ${sources} ${ZUT_FONT_BASE} ${list} ${record}
            DEPENDS zut-draw ${content} ${drawings}
            COMMENT "Drawing the pictures of ${paper}"
            VERBATIM)
        list(APPEND lists ${list})
    endforeach()
    # A Qt built without zstd (the Windows build) cannot read what the
    # host's rcc would compress with it; qt_add_resources passes the same.
    set(rcc_options)
    if(NOT QT_FEATURE_zstd)
        set(rcc_options --no-zstd)
    endif()
    add_custom_command(OUTPUT ${out}/${name}.cpp
        COMMAND Qt6::rcc ${rcc_options} --name ${name} -o ${out}/${name}.cpp ${lists}
        DEPENDS ${lists}
        COMMENT "Embedding the pictures of ${name}"
        VERBATIM)
    # A resource registers itself when the program starts. A static library
    # would drop an object file that nothing references, so there the object
    # goes to whatever links the library, as qt_add_resources does.
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
        add_library(${target}_${name} OBJECT ${out}/${name}.cpp)
        target_link_libraries(${target}_${name} PRIVATE Qt6::Core)
        target_link_libraries(${target} INTERFACE $<TARGET_OBJECTS:${target}_${name}>)
        add_dependencies(${target} ${target}_${name})
    else()
        target_sources(${target} PRIVATE ${out}/${name}.cpp)
    endif()
endfunction()
