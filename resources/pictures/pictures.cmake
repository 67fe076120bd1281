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

# The pictures of a paper's content file, drawn from the data the file
# gives into OUTDIR (one run of zut-draw a file); their paths go to OUT.
# A picture element names its file on its own line or in flow style:
# "picture: t2007/a11.jpg".
function(zut_content_pictures content outdir out)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${content})
    file(STRINGS ${content} lines REGEX "picture: *[^ ,}]+\\.(jpg|svg)")
    set(outputs)
    foreach(line IN LISTS lines)
        string(REGEX MATCH "picture: *([^ ,}]+\\.(jpg|svg))" found "${line}")
        list(APPEND outputs ${outdir}/${CMAKE_MATCH_1})
    endforeach()
    if(outputs)
        set(sources ${PROJECT_SOURCE_DIR}/resources/pictures)
        file(GLOB drawings CONFIGURE_DEPENDS ${sources}/*.svg ${sources}/*/*.svg)
        add_custom_command(OUTPUT ${outputs}
            COMMAND ${ZUT_TOOL_RUN} $<TARGET_FILE:zut-draw>
                content ${content} ${outdir} ${sources} ${ZUT_FONT_BASE}
            DEPENDS zut-draw ${content} ${drawings}
            COMMENT "Drawing the pictures of ${content}"
            VERBATIM)
    endif()
    set(${out} ${outputs} PARENT_SCOPE)
endfunction()

file(GLOB paper_contents CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/papers/*.yaml)
foreach(content IN LISTS paper_contents)
    zut_content_pictures(${content} ${ZUT_PICTURE_DIR} drawn)
    list(APPEND ZUT_PICTURE_FILES ${drawn})
endforeach()

# Without Qt Svg (the Windows build) each drawing is embedded as the QPicture
# recording zut-draw makes of it, under the drawing's own name, so that the
# program and the content name the same resource on every platform.
set(ZUT_RECORDING_DIR ${CMAKE_CURRENT_BINARY_DIR}/recordings)
set(ZUT_RECORDING_FILES)
if(NOT TARGET Qt6::Svg)
    set(kept)
    foreach(file IN LISTS ZUT_PICTURE_FILES)
        if(NOT file MATCHES "\\.svg$")
            list(APPEND kept ${file})
            continue()
        endif()
        file(RELATIVE_PATH name ${ZUT_PICTURE_DIR} ${file})
        get_filename_component(dir ${ZUT_RECORDING_DIR}/${name} DIRECTORY)
        add_custom_command(OUTPUT ${ZUT_RECORDING_DIR}/${name}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
            COMMAND ${draw} record ${file} ${ZUT_RECORDING_DIR}/${name} ${ZUT_FONT_BASE}
            DEPENDS zut-draw ${file}
            COMMENT "Recording ${name}"
            VERBATIM)
        list(APPEND ZUT_RECORDING_FILES ${ZUT_RECORDING_DIR}/${name})
    endforeach()
    set(ZUT_PICTURE_FILES ${kept})
endif()
